#include <algorithm>

#include "formats/latin1.h"
#include "formats/note_file.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "sysedit/document/document.h"
#include "sysedit/document/issue_texts.h"
#include "sysedit/document/place_names.h"
#include "sysedit/document/route_slots.h"
#include "sysedit/document/system_io.h"

namespace {

// Appends the place of a docking ring with its offers and people from its place file.
void LoadPlaceOf(EditorDocument& document, const std::filesystem::path& folder,
                 const std::string& systemName, const std::string& placeName,
                 LoadOutcome& outcome) {
  EditorPlace place;
  place.name = placeName;
  ReadIssues issues;
  const std::string dataPath = PlaceDataPath(systemName, placeName);
  // A place without its file starts with empty offers and no people.
  if (auto file = LoadPlace(DataPath(folder, dataPath), PlaceReadMode::kEditorLegacy, &issues)) {
    place.shipOffers = file->shipOffers;
    place.weaponOffers = file->weaponOffers;
    place.goodsOffers = file->goodsOffers;
    place.goodsPrices = file->goodsPrices;
    for (const PersonRecord& record : file->people) {
      document.people.push_back({placeName, record});
    }
  }
  CollectReadIssues(outcome, dataPath, issues);
  document.places.push_back(std::move(place));
}

void LoadRoutesOf(EditorDocument& document, const std::filesystem::path& systemFolder,
                  LoadOutcome& outcome) {
  ReadIssues issues;
  const RouteFile file = LoadRoutes(systemFolder / "Routen.ini", RouteReadMode::kEditor, &issues);
  for (const RouteRecord& record : file.routes) {
    if (static_cast<int>(record.waypoints.size()) > kMaxWaypoints) {
      outcome.notes.push_back("Routen.ini:" + std::to_string(record.line) +
                              ": mehr als 31 Wegpunkte, die weiteren fehlen");
    }
    document.routes.push_back(ToEditorRoute(record));
  }
  CollectReadIssues(outcome, "Routen.ini", issues);
}

std::string LoadNote(const std::filesystem::path& path) {
  // A missing note gives an empty box: another system's notes must not be saved into this one.
  const std::optional<std::string> bytes = ReadFileBytes(path);
  return bytes ? ReadNoteTextLegacy(*bytes) : std::string();
}

}  // namespace

void CollectReadIssues(LoadOutcome& outcome, const std::string& file, const ReadIssues& issues) {
  for (const ReadIssue& issue : issues) {
    outcome.notes.push_back(file + ":" + std::to_string(issue.line) + ": " +
                            GermanReadNote(issue.message));
  }
}

void NoteElementLimits(LoadOutcome& outcome, const ElementRecord& element, int line) {
  const std::string at = "System.ini:" + std::to_string(line) + ": ";
  if (element.elementGroup == kDockingRingGroup) {
    const PlaceNameFault fault = CheckPlaceName(element.name);
    if (fault == PlaceNameFault::kEmpty || fault == PlaceNameFault::kNotAFileName) {
      outcome.badPlaceNames.push_back(element.name);
    } else if (fault == PlaceNameFault::kTooLong) {
      outcome.notes.push_back(at + "Ortsname \xbb" + element.name + "\xab hat " +
                              std::to_string(element.name.size()) +
                              " Zeichen; die Spalte \xbbInfo \xfc"
                              "ber Ort\xab der Leute fasst " +
                              std::to_string(kPlaceNameColumns));
    }
  }
  if (element.elementGroup == "Routen" &&
      (element.length < 0 || element.length > kMaxRouteLength)) {
    outcome.notes.push_back(at + "L\xe4nge " + std::to_string(element.length) +
                            " liegt nicht in 0.." + std::to_string(kMaxRouteLength) +
                            " (so viele Wegmarken kann das Spiel nicht anlegen)");
  }
}

std::filesystem::path SystemFolder(const std::filesystem::path& folder,
                                   const std::string& systemName) {
  return DataPath(folder, systemName);
}

LoadOutcome LoadSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName) {
  LoadOutcome outcome;
  ClearDocument(document);
  document.editedSystem = systemName;
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);

  ReadIssues issues;
  const std::optional<std::string> bytes = ReadFileBytes(systemFolder / "System.ini");
  outcome.systemFileFound = bytes.has_value();
  const std::vector<ElementRecord> records =
      bytes ? ReadSystemElements(*bytes, &issues) : std::vector<ElementRecord>();
  CollectReadIssues(outcome, "System.ini", issues);
  for (size_t k = 0; k < records.size(); ++k) {
    const ElementRecord& record = records[k];
    document.elements.push_back(record);
    NoteElementLimits(outcome, document.elements.back(),
                      static_cast<int>(k) * kElementRecordLines + 1);
    if (record.elementGroup == kDockingRingGroup) {
      LoadPlaceOf(document, folder, systemName, record.name, outcome);
    }
  }
  LoadRoutesOf(document, systemFolder, outcome);
  document.groupNotes = LoadNote(systemFolder / std::string(kGroupNotesFile));
  document.goodsNotes = LoadNote(systemFolder / std::string(kGoodsNotesFile));
  ResetHistory(document, true);
  return outcome;
}
