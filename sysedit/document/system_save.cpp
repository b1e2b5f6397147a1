#include <algorithm>
#include <system_error>

#include "formats/latin1.h"
#include "formats/note_file.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "sysedit/document/document.h"
#include "sysedit/document/issue_texts.h"
#include "sysedit/document/place_names.h"
#include "sysedit/document/route_slots.h"
#include "sysedit/document/save_checks.h"
#include "sysedit/document/system_io.h"

namespace {

void Record(SaveOutcome& outcome, const WriteResult& result) {
  if (result.ok) return;
  outcome.ok = false;
  outcome.errors.push_back(GermanWriteError(result.message));
}

PlaceFile PlaceFileOf(const EditorDocument& document, const EditorPlace& place) {
  PlaceFile file;
  file.shipOffers = place.shipOffers;
  file.weaponOffers = place.weaponOffers;
  file.goodsOffers = place.goodsOffers;
  file.goodsPrices = place.goodsPrices;
  // People of removed places stay in memory but have no file to go to.
  for (const EditorPerson& person : document.people) {
    if (person.placeName == place.name) file.people.push_back(person.record);
  }
  return file;
}

// A renamed ring's old file would otherwise stay beside the new one, holding the old people.
void RemoveRetiredPlaceFiles(const EditorDocument& document, const std::filesystem::path& folder,
                             const std::string& systemName, SaveOutcome& outcome) {
  for (const std::string& name : document.retiredPlaceNames) {
    const bool used = std::any_of(document.places.begin(), document.places.end(),
                                  [&](const EditorPlace& place) { return place.name == name; });
    if (used || !IsPlainFileName(name)) continue;
    const std::filesystem::path file = DataPath(folder, PlaceDataPath(systemName, name));
    std::error_code error;
    std::filesystem::remove(file, error);
    if (error) {
      outcome.ok = false;
      outcome.errors.push_back(
          "Die alte Ortsdatei " + file.string() +
          " lässt sich nicht entfernen: " + GermanSystemReason(error.message()));
    }
  }
}

}  // namespace

SaveOutcome SaveSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName) {
  SaveOutcome outcome;
  outcome.errors = SaveRefusals(document);
  if (!outcome.errors.empty()) {
    outcome.ok = false;
    outcome.refused = true;
    MarkUnsaved(document);
    return outcome;
  }
  const bool sameFolder = systemName == document.editedSystem;
  document.editedSystem = systemName;
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);
  Record(outcome, EnsureFolder(systemFolder));
  if (!outcome.ok) {
    MarkUnsaved(document);
    return outcome;
  }

  Record(outcome, SaveSystemElements(systemFolder / "System.ini", document.elements));

  std::vector<RouteRecord> routes;
  routes.reserve(document.routes.size());
  for (const EditorRoute& route : document.routes) routes.push_back(ToRouteRecord(route));
  Record(outcome, SaveRoutes(systemFolder / "Routen.ini", routes));

  Record(outcome, EnsureFolder(systemFolder / "Orte"));
  // Two rings of one name share a file; the later place is written last and wins.
  for (const EditorPlace& place : document.places) {
    Record(outcome, SavePlace(DataPath(folder, PlaceDataPath(systemName, place.name)),
                              PlaceFileOf(document, place)));
  }
  if (sameFolder) RemoveRetiredPlaceFiles(document, folder, systemName, outcome);

  Record(outcome, SaveNoteText(systemFolder / std::string(kGroupNotesFile), document.groupNotes));
  Record(outcome, SaveNoteText(systemFolder / std::string(kGoodsNotesFile), document.goodsNotes));
  if (outcome.ok) {
    MarkSaved(document);
    document.retiredPlaceNames.clear();
  } else {
    MarkUnsaved(document);
  }
  return outcome;
}
