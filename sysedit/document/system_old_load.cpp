#include "formats/latin1.h"
#include "formats/legacy_files.h"
#include "formats/text_rules.h"
#include "sysedit/document/catalogues.h"
#include "sysedit/document/document.h"
#include "sysedit/document/system_io.h"

namespace {

// The offers file names its places in brackets; the names are compared trimmed, as every name of
// the older layout is read.
const LegacyOffers* FindOffersOf(const std::vector<LegacyOffers>& offers,
                                 const std::string& placeName) {
  for (const LegacyOffers& each : offers) {
    if (TrimBlanks(each.placeName) == placeName) return &each;
  }
  return nullptr;
}

}  // namespace

LoadOutcome LoadOldSystem(EditorDocument& document, const EditorCatalogues& catalogues,
                          const std::filesystem::path& folder, const std::string& systemName) {
  LoadOutcome outcome;
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);
  const std::optional<std::string> bytes = StartLoad(document, folder, systemName, outcome);
  ReadIssues issues;
  const std::vector<LegacyElement> records =
      bytes ? ReadLegacySystem(*bytes, &issues) : std::vector<LegacyElement>();
  CollectReadIssues(outcome, "System.ini", issues);
  const std::vector<LegacyOffers> offers =
      LoadLegacyOffers(systemFolder / "Schiffe-Waren-Waffen.ini");
  const std::vector<LegacyPriceLine> prices = LoadLegacyPrices(folder / "__WarenPreise.ini");

  for (const LegacyElement& record : records) {
    ElementRecord element = record.element;
    element.groupName = LegacyGroupName(record.groupIndex, catalogues.groupChoices);
    document.elements.push_back(element);
    NoteElementLimits(outcome, document.elements.back(), record.line);
    if (element.elementGroup != kDockingRingGroup) continue;

    EditorPlace place;
    place.name = element.name;
    if (const LegacyOffers* found = FindOffersOf(offers, place.name)) {
      place.shipOffers = found->shipOffers;
      place.weaponOffers = found->weaponOffers;
      place.goodsOffers = found->goodsOffers;
    }
    if (const LegacyPriceLine* found = FindLegacyPrices(prices, place.name)) {
      place.goodsPrices = LegacyGoodsPrices(found->text, catalogues.goodsNames);
    }
    document.places.push_back(std::move(place));
  }
  // The system's files are not yet in the layout the editor writes.
  ResetHistory(document, false);
  return outcome;
}
