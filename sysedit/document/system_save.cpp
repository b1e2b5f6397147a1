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
#include "sysedit/document/system_backup.h"
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

struct PlannedFile {
  std::filesystem::path path;
  std::string bytes;
};

// Every file of the system in writing order. Two rings of one name share a file; the later
// place is written last and wins.
std::vector<PlannedFile> PlanFiles(const EditorDocument& document,
                                   const std::filesystem::path& folder,
                                   const std::string& systemName) {
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);
  std::vector<PlannedFile> files;
  files.push_back({systemFolder / "System.ini", WriteSystemElements(document.elements)});
  std::vector<RouteRecord> routes;
  for (const EditorRoute& route : document.routes) routes.push_back(ToRouteRecord(route));
  files.push_back({systemFolder / "Routen.ini", WriteRoutes(routes)});
  for (const EditorPlace& place : document.places) {
    files.push_back({DataPath(folder, PlaceDataPath(systemName, place.name)),
                     WritePlace(PlaceFileOf(document, place))});
  }
  files.push_back(
      {systemFolder / std::string(kGroupNotesFile), WriteNoteText(document.groupNotes)});
  files.push_back(
      {systemFolder / std::string(kGoodsNotesFile), WriteNoteText(document.goodsNotes)});
  return files;
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

// Writes every file to a temporary first; nothing is renamed unless all were written.
std::vector<StagedFile> StageAll(const std::vector<PlannedFile>& plan, SaveOutcome& outcome) {
  std::vector<StagedFile> staged;
  for (const PlannedFile& file : plan) {
    StagedFile one;
    Record(outcome, StageFile(file.path, file.bytes, one));
    if (!outcome.ok) break;
    staged.push_back(one);
  }
  if (!outcome.ok) {
    for (const StagedFile& one : staged) DiscardStagedFile(one);
    staged.clear();
  }
  return staged;
}

SaveOutcome Failed(EditorDocument& document, SaveOutcome outcome) {
  MarkUnsaved(document);
  return outcome;
}

}  // namespace

int RemoveAbandonedSaveTemporaries(const std::filesystem::path& folder) {
  int removed = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!entry.is_directory(error)) continue;
    removed += RemoveAbandonedTemporaries(entry.path());
    removed += RemoveAbandonedTemporaries(entry.path() / "Orte");
  }
  return removed;
}

bool HoldsSystem(const std::filesystem::path& folder, const std::string& systemName) {
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);
  std::error_code error;
  return std::filesystem::is_regular_file(systemFolder / "System.ini", error) ||
         std::filesystem::is_regular_file(systemFolder / "Routen.ini", error) ||
         std::filesystem::is_directory(systemFolder / "Orte", error);
}

SaveOutcome SaveSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName) {
  SaveOutcome outcome;
  outcome.errors = SaveRefusals(document);
  if (!outcome.errors.empty()) {
    outcome.ok = false;
    outcome.refused = true;
    return Failed(document, outcome);
  }
  const bool sameFolder = systemName == document.editedSystem;
  const bool otherSystem = !sameFolder && HoldsSystem(folder, systemName);
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);
  Record(outcome, EnsureFolder(systemFolder));
  if (outcome.ok) Record(outcome, EnsureFolder(systemFolder / "Orte"));
  const std::vector<PlannedFile> plan = PlanFiles(document, folder, systemName);
  const std::vector<StagedFile> staged =
      outcome.ok ? StageAll(plan, outcome) : std::vector<StagedFile>();
  if (!outcome.ok) return Failed(document, outcome);

  std::vector<std::filesystem::path> written;
  for (const PlannedFile& file : plan) written.push_back(file.path);
  BackupPlan backup;
  if (otherSystem) {
    backup = BackUpSystem(systemFolder, written);
    if (!backup.ok) {
      for (const StagedFile& one : staged) DiscardStagedFile(one);
      outcome.ok = false;
      outcome.errors.push_back(backup.error);
      return Failed(document, outcome);
    }
    outcome.backupFolder = backup.folder;
  }

  document.editedSystem = systemName;
  for (const StagedFile& one : staged) Record(outcome, CommitStagedFile(one));
  if (sameFolder) RemoveRetiredPlaceFiles(document, folder, systemName, outcome);
  if (otherSystem) {
    for (const std::string& error : RemoveBackedUpLeftovers(backup)) {
      outcome.ok = false;
      outcome.errors.push_back(error);
    }
  }
  if (!outcome.ok) return Failed(document, outcome);
  MarkSaved(document);
  document.retiredPlaceNames.clear();
  return outcome;
}
