#include <algorithm>
#include <set>

#include "formats/latin1.h"
#include "formats/note_file.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "formats/text_rules.h"
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
  // A place without its file starts with empty offers and no people. Empty lines among the people
  // are no persons, as for the game: a person of empty fields would be saved as a line of its own.
  if (auto file = LoadPlace(DataPath(folder, dataPath), PlaceReadMode::kGame, &issues)) {
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

// One route as the slots hold it. An empty line, where the game ends the route, is skipped and
// the waypoints after it are kept (said once per line: after saving, the game flies them too);
// a waypoint of kind 0 cannot be held, since kind 0 ends a route's slots.
EditorRoute SlotRoute(const RouteRecord& record, const std::vector<std::string>& lines,
                      std::set<int>& blankLines, ReadIssues& notes) {
  std::vector<Waypoint> kept;
  std::vector<int> pendingBlanks;
  int dropped = 0;
  for (size_t w = 0; w < record.waypoints.size(); ++w) {
    const int number = record.line + 2 + static_cast<int>(w);  // every line is a waypoint
    if (TrimBlanks(lines[number - 1]).empty()) {
      blankLines.insert(number);
      pendingBlanks.push_back(number);
      continue;
    }
    for (const int blank : pendingBlanks) {
      notes.push_back(
          {blank,
           "Leerzeile \xfc"
           "bersprungen; das Spiel beendete die Route hier, nach dem Speichern fliegt es "
           "auch die Wegpunkte danach"});
    }
    pendingBlanks.clear();
    if (record.waypoints[w].kind == 0) {
      ++dropped;
      notes.push_back(
          {number, "Wegpunkt der Art 0 fehlt im Editor (Art 0 beendet die Wegpunkte einer Route)"});
      continue;
    }
    kept.push_back(record.waypoints[w]);
  }
  EditorRoute route = ToEditorRoute(record.groupName, kept);
  if (route.cutWaypoints > 0) {
    notes.push_back({record.line, "Route hat " + std::to_string(kept.size()) + " Wegpunkte, nur " +
                                      std::to_string(kMaxWaypoints) + " passen; die letzten " +
                                      std::to_string(route.cutWaypoints) + " fehlen im Editor"});
  }
  route.cutWaypoints += dropped;
  return route;
}

void LoadRoutesOf(EditorDocument& document, const std::filesystem::path& systemFolder,
                  LoadOutcome& outcome) {
  const std::optional<std::string> bytes = ReadFileBytes(systemFolder / "Routen.ini");
  if (!bytes) return;
  const std::vector<std::string> lines = SplitLines(*bytes);
  ReadIssues issues;
  const RouteFile file = ReadRoutes(*bytes, RouteReadMode::kEditor, &issues);
  std::set<int> blankLines;
  ReadIssues notes;  // in German already
  for (const RouteRecord& record : file.routes) {
    document.routes.push_back(SlotRoute(record, lines, blankLines, notes));
  }
  // An empty line holds no numbers to complain about, and the count of waypoints that fit is
  // said above without the empty lines.
  for (const ReadIssue& issue : issues) {
    if (blankLines.count(issue.line) == 0 && issue.message.rfind("route has ", 0) != 0) {
      notes.push_back({issue.line, GermanReadNote(issue.message)});
    }
  }
  std::stable_sort(notes.begin(), notes.end(),
                   [](const ReadIssue& a, const ReadIssue& b) { return a.line < b.line; });
  for (const ReadIssue& note : notes) {
    outcome.notes.push_back("Routen.ini:" + std::to_string(note.line) + ": " + note.message);
  }
}

std::string LoadNote(const std::filesystem::path& path) {
  // A missing note gives an empty box: another system's notes must not be saved into this
  // one.
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

std::optional<std::string> StartLoad(EditorDocument& document, const std::filesystem::path& folder,
                                     const std::string& systemName, LoadOutcome& outcome) {
  // Nothing of the system held before belongs to this one: its places, routes and notes would be
  // saved into it.
  ClearDocument(document);
  document.editedSystem = systemName;
  std::optional<std::string> bytes = ReadFileBytes(SystemFolder(folder, systemName) / "System.ini");
  outcome.systemFileFound = bytes.has_value();
  return bytes;
}

LoadOutcome LoadSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName) {
  LoadOutcome outcome;
  const std::filesystem::path systemFolder = SystemFolder(folder, systemName);
  const std::optional<std::string> bytes = StartLoad(document, folder, systemName, outcome);
  ReadIssues issues;
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
