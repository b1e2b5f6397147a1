// The editor document on its own: every edit and its undo, the saved state, the place rules
// that stored files rely on, and saving through the formats library.

#include <gtest/gtest.h>

#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "sysedit/document/catalogues.h"
#include "sysedit/document/edits.h"
#include "sysedit/document/system_io.h"
#include "tests/sysedit/fixtures.h"

namespace {

ElementRecord Ring(const std::string& name) {
  ElementRecord element;
  element.elementGroup = kDockingRingGroup;
  element.elementType = "Andockring";
  element.name = name;
  return element;
}

ElementRecord Planet(const std::string& name) {
  ElementRecord element;
  element.elementGroup = "Planeten";
  element.elementType = "Erde";
  element.name = name;
  element.rotation = 1.5;
  return element;
}

std::vector<std::string> PlaceNames(const EditorDocument& document) {
  std::vector<std::string> names;
  for (const EditorPlace& place : document.places) names.push_back(place.name);
  return names;
}

TEST(EditHistory, UndoRedoAndTheSavedState) {
  EditorDocument document;
  EXPECT_FALSE(IsModified(document));
  EXPECT_EQ(AddElement(document, Planet("A")), unsigned(kPartElements));
  EXPECT_TRUE(IsModified(document));
  MarkSaved(document);
  AddElement(document, Planet("B"));
  EXPECT_TRUE(IsModified(document));
  EXPECT_EQ(Undo(document), unsigned(kPartElements));
  EXPECT_FALSE(IsModified(document));  // back at the saved state
  EXPECT_EQ(document.elements.size(), 1u);
  Undo(document);
  EXPECT_TRUE(IsModified(document));
  EXPECT_TRUE(document.elements.empty());
  EXPECT_EQ(Undo(document), 0u);  // nothing left
  Redo(document);
  EXPECT_FALSE(IsModified(document));
  // A new edit after an undo drops the redo branch; the saved state then lies behind.
  Undo(document);
  AddElement(document, Planet("C"));
  EXPECT_FALSE(CanRedo(document));
  EXPECT_TRUE(IsModified(document));
  Undo(document);
  EXPECT_TRUE(IsModified(document));  // the saved state [A] cannot be reached any more
  EXPECT_TRUE(document.elements.empty());
}

TEST(EditHistory, TypingFoldsIntoOneCommandButNeverIntoTheSavedOne) {
  EditorDocument document;
  SetNote(document, NoteKind::kGroups, "a");
  SetNote(document, NoteKind::kGroups, "ab");
  SetNote(document, NoteKind::kGroups, "abc");
  EXPECT_EQ(SetNote(document, NoteKind::kGroups, "abc"), 0u);  // no change, no command
  EXPECT_EQ(document.history.done.size(), 1u);
  MarkSaved(document);
  SetNote(document, NoteKind::kGroups, "abcd");
  EXPECT_EQ(document.history.done.size(), 2u);
  Undo(document);
  EXPECT_EQ(document.groupNotes, "abc");
  EXPECT_FALSE(IsModified(document));
  Undo(document);
  EXPECT_EQ(document.groupNotes, "");
}

TEST(PlaceRules, DockingRingsBringAndTakeTheirPlaces) {
  EditorDocument document;
  AddElement(document, Ring("Hafen"));
  AddElement(document, Planet("Hafen"));
  AddElement(document, Ring("Werft"));
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Hafen", "Werft"}));

  // Removing an element of another group that shares the name leaves the place alone; removing
  // the ring takes its place, and undo brings it back with its offers.
  AddOffers(document, "Hafen", OfferKind::kShips, {"Schwalbe"});
  RemoveElement(document, 1);
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Hafen", "Werft"}));
  EXPECT_EQ(document.elements.size(), 2u);
  Undo(document);
  EXPECT_EQ(document.elements[1].elementGroup, "Planeten");
  RemoveElement(document, 0);
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Werft"}));
  Undo(document);
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Hafen", "Werft"}));
  EXPECT_EQ(document.places[0].shipOffers, MakeOfferRecord("Schwalbe", "-1"));

  // Renaming a ring carries its place to the new name; renaming the planet touches no place.
  ChangeElement(document, 0, Ring("Neuhafen"));
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Neuhafen", "Werft"}));
  ChangeElement(document, 1, Planet("Werft II"));
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Neuhafen", "Werft"}));
}

TEST(PlaceRules, ARenamedRingTakesItsPeopleOnlyWhenNoRingKeepsTheOldName) {
  // Two rings of one name, as a file may hold them: each owns one of the two places.
  EditorDocument document;
  AddElement(document, Ring("Hafen"));
  AddElement(document, Ring("Hafen"));
  AddOffers(document, "Hafen", OfferKind::kShips, {"Schwalbe"});
  EditorPerson local, informant;
  local.placeName = "Hafen";
  informant.placeName = "Werft";
  informant.record.infoPlace = "Hafen";
  AddPerson(document, local);
  AddPerson(document, informant);

  // The second ring takes the second place along; the people stay with the ring still named so.
  ChangeElement(document, 1, Ring("Hafen II"));
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Hafen", "Hafen II"}));
  EXPECT_EQ(document.places[1].shipOffers, MakeOfferRecord("Schwalbe", "-1"));
  EXPECT_EQ(document.people[0].placeName, "Hafen");
  EXPECT_EQ(document.people[1].record.infoPlace, "Hafen");
  EXPECT_TRUE(document.retiredPlaceNames.empty());  // "Hafen" is still written

  // Now no ring keeps "Hafen": its people and those informing about it follow, and its file
  // is retired for the next save.
  ChangeElement(document, 0, Ring("Hafen I"));
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Hafen I", "Hafen II"}));
  EXPECT_EQ(document.people[0].placeName, "Hafen I");
  EXPECT_EQ(document.people[1].placeName, "Werft");
  EXPECT_EQ(document.people[1].record.infoPlace, "Hafen I");
  EXPECT_EQ(document.retiredPlaceNames, std::vector<std::string>{"Hafen"});

  // Undone, the name left behind is the new one.
  Undo(document);
  EXPECT_EQ(PlaceNames(document), (std::vector<std::string>{"Hafen", "Hafen II"}));
  EXPECT_EQ(document.people[1].record.infoPlace, "Hafen");
  EXPECT_EQ(document.retiredPlaceNames, (std::vector<std::string>{"Hafen", "Hafen I"}));
}

TEST(PlaceRules, ARingAddedAgainGetsItsPeopleBackButNotItsOffers) {
  EditorDocument document;
  AddElement(document, Ring("Hafen"));
  AddOffers(document, "Hafen", OfferKind::kShips, {"Schwalbe"});
  EditorPerson person;
  person.placeName = "Hafen";
  person.record.mainKind = "Auftr\xe4ge";
  AddPerson(document, person);
  RemoveElement(document, 0);
  EXPECT_TRUE(document.places.empty());
  EXPECT_EQ(document.people.size(), 1u);  // kept in memory, written with no file
  AddElement(document, Ring("Hafen"));
  ASSERT_EQ(document.places.size(), 1u);
  EXPECT_EQ(document.places[0].shipOffers, "");
  EXPECT_EQ(PeopleOfPlace(document, "Hafen"), std::vector<int>{0});
}

TEST(Waypoints, ThirtyOneAtMostAndRemovalShiftsTheSlots) {
  EditorDocument document;
  AddRoute(document, "Die Allianz", {100, 200, 1});
  for (int i = 1; i < 31; ++i) EXPECT_NE(AddWaypoint(document, 0, {i, i, 2}), 0u);
  EXPECT_EQ(UsedWaypointCount(document.routes[0]), 31);
  EXPECT_EQ(AddWaypoint(document, 0, {99, 99, 2}), 0u);  // refused, nothing recorded
  EXPECT_EQ(document.routes[0].waypoints[31].kind, 0);

  RemoveWaypoint(document, 0, 0);
  EXPECT_EQ(UsedWaypointCount(document.routes[0]), 30);
  EXPECT_EQ(document.routes[0].waypoints[0], (EditorWaypoint{1, 1, 2}));
  EXPECT_EQ(document.routes[0].waypoints[30], (EditorWaypoint{}));
  Undo(document);
  EXPECT_EQ(document.routes[0].waypoints[0], (EditorWaypoint{100, 200, 1}));
  ChangeWaypoint(document, 0, 1, {7, 8, 3});
  EXPECT_EQ(document.routes[0].waypoints[1], (EditorWaypoint{7, 8, 3}));
  EXPECT_EQ(ChangeWaypoint(document, 0, 31, {7, 8, 3}), 0u);  // not a used slot
}

TEST(Offers, NoDuplicatesAndOnlyUnlimitedRecordsAreRemoved) {
  EditorDocument document;
  AddElement(document, Ring("Hafen"));
  document.places[0].weaponOffers = MakeOfferRecord("Laser II", "5");
  AddOffers(document, "Hafen", OfferKind::kWeapons, {"Loku I", "Loku I", "Laser II"});
  EXPECT_EQ(OfferNames(document.places[0].weaponOffers),
            (std::vector<std::string>{"Laser II", "Loku I"}));
  EXPECT_EQ(AddOffers(document, "Hafen", OfferKind::kWeapons, {"Loku I"}), 0u);
  RemoveOffers(document, "Hafen", OfferKind::kWeapons, {"Laser II", "Loku I"});
  EXPECT_EQ(document.places[0].weaponOffers, MakeOfferRecord("Laser II", "5"));
  // With no place of that name nothing changes.
  EXPECT_EQ(AddOffers(document, "", OfferKind::kShips, {"Schwalbe"}), 0u);
}

TEST(Offers, GoodsPricesAreBuiltInRowOrder) {
  EXPECT_EQ(BuildGoodsPrices({"Wasser", "Kristalle"}, {"120", "7"}),
            "Wasser              120       Kristalle           7         ");
  EXPECT_EQ(BuildGoodsPrices({}, {}), "");
}

TEST(SystemFiles, SavedFilesReadBackThroughTheFormats) {
  TempFolder temp;
  WriteTinyUniverse(temp.path);
  const EditorCatalogues catalogues = LoadEditorCatalogues(temp.path);
  EXPECT_EQ(catalogues.goodsDefaults, (std::vector<std::string>{"100", "400", "250"}));
  EditorDocument document;
  LoadSystem(document, temp.path, "Testsystem");
  ASSERT_EQ(document.elements.size(), 5u);
  EXPECT_EQ(ElementColour(catalogues.elementDefs, document.elements[0].elementGroup,
                          document.elements[0].elementType),
            255 + 255 * 256 + 200 * 65536);
  EXPECT_FALSE(IsModified(document));

  AddWaypoint(document, 1, {1, 2, 4});
  RemoveElement(document, 2);  // the ring "Hafen Süd" and its place
  const SaveOutcome outcome = SaveSystem(document, temp.path, "Ziel");
  ASSERT_TRUE(outcome.ok);
  EXPECT_FALSE(IsModified(document));
  const std::filesystem::path saved = temp.path / "Ziel";
  EXPECT_EQ(LoadSystemElements(saved / "System.ini").size(), 4u);
  const RouteFile routes = LoadRoutes(saved / "Routen.ini", RouteReadMode::kGame);
  EXPECT_EQ(routes.declaredCount, 2);
  ASSERT_EQ(routes.routes[1].waypoints.size(), 2u);
  EXPECT_EQ(routes.routes[1].waypoints[1].kind, 4);
  EXPECT_TRUE(std::filesystem::exists(saved / "Orte" / "Ring Zwei.ini"));
  EXPECT_FALSE(std::filesystem::exists(saved / "Orte" /
                                       "Hafen S\xc3\xbc"
                                       "d.ini"));
}

TEST(SystemFiles, AMissingSystemFileLoadsAnEmptySystem) {
  TempFolder temp;
  WriteTinyUniverse(temp.path);
  const EditorCatalogues catalogues = LoadEditorCatalogues(temp.path);
  EditorDocument document;
  const LoadOutcome outcome = LoadSystem(document, temp.path, "Neu");
  EXPECT_FALSE(outcome.systemFileFound);
  EXPECT_TRUE(document.elements.empty());
  EXPECT_EQ(document.editedSystem, "Neu");
}

TEST(SystemFiles, EditorFolderFollowsTheEnvironmentThenTheExecutable) {
  TempFolder temp;
  setenv("VELMARITH_INI", "/somewhere/INI", 1);
  EXPECT_EQ(EditorFolder(temp.path), std::filesystem::path("/somewhere/INI"));
  unsetenv("VELMARITH_INI");
  std::filesystem::create_directories(temp.path / "INI");
  EXPECT_EQ(EditorFolder(temp.path), temp.path / "INI");
  EXPECT_EQ(EditorFolder(temp.path / "INI"), std::filesystem::current_path());
}

}  // namespace
