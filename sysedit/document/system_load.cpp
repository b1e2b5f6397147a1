#include <algorithm>

#include "formats/latin1.h"
#include "formats/note_file.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "sysedit/document/catalogues.h"
#include "sysedit/document/conversions.h"
#include "sysedit/document/document.h"
#include "sysedit/document/system_io.h"

namespace {

void CollectIssues(LoadOutcome& outcome, const std::string& file, const ReadIssues& issues) {
  for (const ReadIssue& issue : issues) {
    outcome.notes.push_back(file + ":" + std::to_string(issue.line) + ": " + issue.message);
  }
}

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
      document.people.push_back(ToEditorPerson(record, placeName));
    }
  }
  CollectIssues(outcome, dataPath, issues);
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
  CollectIssues(outcome, "Routen.ini", issues);
}

std::string LoadNote(const std::filesystem::path& path) {
  // A missing note gives an empty box: another system's notes must not be saved into this one.
  const std::optional<std::string> bytes = ReadFileBytes(path);
  return bytes ? ReadNoteTextLegacy(*bytes) : std::string();
}

}  // namespace

std::filesystem::path SystemFolder(const std::filesystem::path& folder,
                                   const std::string& systemName) {
  return DataPath(folder, systemName);
}

LoadOutcome LoadSystem(EditorDocument& document, const EditorCatalogues& catalogues,
                       const std::filesystem::path& folder, const std::string& systemName) {
  LoadOutcome outcome;
  ClearDocument(document);
  document.editedSystem = systemName;
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);

  ReadIssues issues;
  const std::optional<std::string> bytes = ReadFileBytes(systemFolder / "System.ini");
  outcome.systemFileFound = bytes.has_value();
  const std::vector<ElementRecord> records =
      bytes ? ReadSystemElements(*bytes, &issues) : std::vector<ElementRecord>();
  CollectIssues(outcome, "System.ini", issues);
  for (const ElementRecord& record : records) {
    document.elements.push_back(ToEditorElement(record, catalogues.elementDefs));
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
