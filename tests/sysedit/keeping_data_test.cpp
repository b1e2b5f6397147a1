// What ordinary actions of an author must keep, on the document and its files (no widgets): a
// removed station leaves its ring's place, routes lose nothing unseen, a failed save leaves the
// old system whole, and a save over another system keeps that system's files.

#include <gtest/gtest.h>

#include "sysedit/document/edits.h"
#include "sysedit/document/system_io.h"
#include "tests/sysedit/fixtures.h"

namespace {

namespace fs = std::filesystem;

int FindElement(const EditorDocument& document, const char* group, const char* name) {
  for (size_t i = 0; i < document.elements.size(); ++i) {
    const ElementRecord& element = document.elements[i];
    if (element.elementGroup == group && element.name == name) return static_cast<int>(i);
  }
  return -1;
}

bool AnyNoteHas(const LoadOutcome& outcome, const std::string& text) {
  for (const std::string& note : outcome.notes) {
    if (note.find(text) != std::string::npos) return true;
  }
  return false;
}

std::string Waypoint(int x, int y, int kind) {
  return Pad(std::to_string(x), 10) + Pad(std::to_string(y), 10) + Pad(std::to_string(kind), 10);
}

TEST(KeepingData, RemovingAStationKeepsThePlaceOfItsNamesakeRing) {
  TempFolder temp;
  ASSERT_TRUE(WriteSampleUniverse(temp.path)) << "no sample universe";
  EditorDocument document;
  LoadSystem(document, temp.path, "Kernwelt");
  const int station = FindElement(document, "Stationen", "Station Wacht");
  ASSERT_GE(station, 0);
  ASSERT_GE(FindElement(document, "Andockringe", "Station Wacht"), 0);
  RemoveElement(document, station);
  ASSERT_TRUE(SaveSystem(document, temp.path, "Kopie").ok);
  const fs::path place = fs::path("Orte") / "Station Wacht.ini";
  ASSERT_TRUE(fs::exists(temp.path / "Kopie" / place));
  EXPECT_EQ(ReadBytes(temp.path / "Kopie" / place), ReadBytes(temp.path / "Kernwelt" / place));
}

TEST(KeepingData, RoutesLoseNothingUnseen) {
  TempFolder temp;
  WriteTinyUniverse(temp.path);
  std::string routes = Lines({"3", "[Routen]", "Die Allianz"});  // route 1 from line 2
  for (int i = 1; i <= 33; ++i) routes += Lines({Waypoint(i, i, i == 1 ? 1 : 2)});
  // Route 2 from line 37: an empty line between its waypoints; route 3 from line 43: a
  // waypoint without a kind.
  routes +=
      Lines({"[Routen]", "Die Blacks", Waypoint(1, 1, 1), "", Waypoint(2, 2, 2), Waypoint(3, 3, 4),
             "[Routen]", "Die Blacks", Waypoint(5, 5, 1), "700       800", Waypoint(6, 6, 4)});
  WriteBytes(temp.path / "Testsystem" / "Routen.ini", routes);
  EditorDocument document;
  const LoadOutcome outcome = LoadSystem(document, temp.path, "Testsystem");
  ASSERT_EQ(document.routes.size(), 3u);

  // More than the 31 slots: kept up to the 31st, counted, said.
  EXPECT_EQ(UsedWaypointCount(document.routes[0]), 31);
  EXPECT_EQ(document.routes[0].cutWaypoints, 2);
  EXPECT_TRUE(AnyNoteHas(outcome, "Routen.ini:2: Route hat 33 Wegpunkte"));
  // The empty line is skipped, the waypoints after it stay; nothing is lost.
  EXPECT_EQ(UsedWaypointCount(document.routes[1]), 3);
  EXPECT_EQ(document.routes[1].waypoints[2], (EditorWaypoint{3, 3, 4}));
  EXPECT_EQ(document.routes[1].cutWaypoints, 0);
  EXPECT_TRUE(AnyNoteHas(outcome, "Routen.ini:40: Leerzeile"));
  EXPECT_FALSE(AnyNoteHas(outcome, "Routen.ini:40: \xbb"));  // no empty numbers of that line
  // A waypoint of kind 0 cannot be held: the one after it stays.
  EXPECT_EQ(UsedWaypointCount(document.routes[2]), 2);
  EXPECT_EQ(document.routes[2].waypoints[1], (EditorWaypoint{6, 6, 4}));
  EXPECT_EQ(document.routes[2].cutWaypoints, 1);
  EXPECT_TRUE(AnyNoteHas(outcome, "Routen.ini:46: Wegpunkt der Art 0"));
}

TEST(KeepingData, AFailureBeforeTheRenamesLeavesTheOldSystemWhole) {
  TempFolder temp;
  WriteTinyUniverse(temp.path);
  const fs::path system = temp.path / "Testsystem";
  const std::string elements = ReadBytes(system / "System.ini");
  const std::string routes = ReadBytes(system / "Routen.ini");
  EditorDocument document;
  LoadSystem(document, temp.path, "Testsystem");
  AddRoute(document, "Die Blacks", {1, 2, 1});
  // A place whose file name fits the folder, but whose temporary's name is too long: the save
  // fails in the middle of writing its temporaries.
  ElementRecord ring;
  ring.elementGroup = kDockingRingGroup;
  ring.elementType = "Andockring";
  ring.name = std::string(250, 'R');
  AddElement(document, ring);

  const SaveOutcome outcome = SaveSystem(document, temp.path, "Testsystem");
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(IsModified(document));
  EXPECT_EQ(ReadBytes(system / "System.ini"), elements);
  EXPECT_EQ(ReadBytes(system / "Routen.ini"), routes);
  for (const auto& entry : fs::recursive_directory_iterator(system)) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

TEST(KeepingData, SavingOverAnotherSystemKeepsItsFilesInABackup) {
  TempFolder temp;
  WriteTinyUniverse(temp.path);
  const fs::path other = temp.path / "Nachbar";
  const std::string otherElements =
      Element({"Sonnen", "Wei\xdf", "", "", "1", "2", "0", "0", "3", "0"});
  WriteBytes(other / "System.ini", otherElements);
  WriteBytes(other / "Orte" / "Alter Ort.ini", "alt");
  WriteBytes(other / "Orte" / "Ring Zwei.ini", "ersetzt");
  ASSERT_TRUE(HoldsSystem(temp.path, "Nachbar"));

  EditorDocument document;
  LoadSystem(document, temp.path, "Testsystem");
  const SaveOutcome outcome = SaveSystem(document, temp.path, "Nachbar");
  ASSERT_TRUE(outcome.ok);
  EXPECT_EQ(ReadBytes(other / "System.ini"), ReadBytes(temp.path / "Testsystem" / "System.ini"));
  // The place file the save does not write is moved aside, the replaced ones are copied.
  EXPECT_FALSE(fs::exists(other / "Orte" / "Alter Ort.ini"));
  ASSERT_EQ(outcome.backupFolder.parent_path(), other);
  EXPECT_EQ(outcome.backupFolder.filename().string().rfind("Sicherung 20", 0), 0u);
  EXPECT_EQ(ReadBytes(outcome.backupFolder / "Orte" / "Alter Ort.ini"), "alt");
  EXPECT_EQ(ReadBytes(outcome.backupFolder / "Orte" / "Ring Zwei.ini"), "ersetzt");
  EXPECT_EQ(ReadBytes(outcome.backupFolder / "System.ini"), otherElements);

  // Saved again into what is now its own folder: other files stay, no new backup.
  WriteBytes(other / "Orte" / "Fremd.ini", "fremd");
  const SaveOutcome again = SaveSystem(document, temp.path, "Nachbar");
  ASSERT_TRUE(again.ok);
  EXPECT_TRUE(again.backupFolder.empty());
  EXPECT_EQ(ReadBytes(other / "Orte" / "Fremd.ini"), "fremd");
}

}  // namespace
