// The save screen (14) and the load screen (13): their items, the list's scrolling and thumb, the
// name field, and the result screens of "Speichern" and "Laden".

#include <gtest/gtest.h>

#include <algorithm>

#include "game/save/save_codes.h"
#include "game/save/save_game.h"
#include "game/save/save_screens.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "tests/game/save/save_test_world.h"
#include "tests/game/support/fixture_files.h"

namespace {

class SaveScreens : public testing::Test {
 protected:
  // Processes a code as the menu loop does: the builder leaves the code of the screen it shows.
  void Run(int code) {
    RunSaveScreenCode(context, code);
    menu.shownScreen = menu.screenState;
  }

  // The items as "kind x y caption -> action", one a line.
  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    for (const MenuItemRecord& item : menu.menuItems) {
      items.push_back(std::to_string(item.kind) + " " + std::to_string(item.x) + " " +
                      std::to_string(item.y) + " " + item.caption + " -> " +
                      std::to_string(item.action));
    }
    return items;
  }

  MenuItemRecord* Field() {
    for (MenuItemRecord& item : menu.menuItems) {
      if (item.kind == kTextField) return &item;
    }
    return nullptr;
  }

  void ListNames(int count) {
    save.saveFileNames.Clear();
    for (int i = 1; i <= count; ++i) save.saveFileNames.Add("Spiel " + std::to_string(i));
  }

  SaveTestWorld t;
  MenuState menu;
  UiState ui;
  SaveState save;
  SaveContext context{menu, ui, save, t.world, t.folder.path, t.rng};
};

}  // namespace

TEST_F(SaveScreens, SaveScreenScrollsItsListWithinItsNames) {
  ListNames(10);
  save.nameField = "Alpha";
  Run(kSaveScreen);
  EXPECT_EQ(
      Items(),
      (std::vector<std::string>{
          "0 50 50 Spiel speichern -> -1", "-1 550 150 /\\ -> 20001", "-1 550 500 \\/ -> 20002",
          "-1 550 180 [] -> -1", "10 50 150 Spiel 1 -> 21001", "10 50 200 Spiel 2 -> 21002",
          "10 50 250 Spiel 3 -> 21003", "10 50 300 Spiel 4 -> 21004", "10 50 350 Spiel 5 -> 21005",
          "10 50 400 Spiel 6 -> 21006", "10 50 450 Spiel 7 -> 21007", "10 50 500 Spiel 8 -> 21008",
          "20 50 600 Alpha -> 21010", "1 860 600 Speichern -> 21011",
          "1 50 700 Zur\xFC"
          "ck -> 10"}));
  EXPECT_EQ(menu.screenState, kSaveScreen);

  Run(kSaveListDown);
  EXPECT_EQ(save.saveListScroll, 1);
  EXPECT_EQ(Items()[3], "-1 550 325 [] -> -1");
  EXPECT_EQ(Items()[4], "10 50 150 Spiel 2 -> 21001");
  Run(kSaveListDown);
  Run(kSaveListDown);  // no further than the last name on the last row
  EXPECT_EQ(save.saveListScroll, 2);
  EXPECT_EQ(Items()[3], "-1 550 470 [] -> -1");
  EXPECT_EQ(Items()[11], "10 50 500 Spiel 10 -> 21008");
  for (int i = 0; i < 3; ++i) Run(kSaveListUp);
  EXPECT_EQ(save.saveListScroll, 0);
  EXPECT_EQ(menu.screenState, kSaveScreen);
}

TEST_F(SaveScreens, LoadScreenIsLaidOutLikeTheSaveScreen) {
  ListNames(2);
  Run(kLoadScreen);
  EXPECT_EQ(Items(),
            (std::vector<std::string>{"0 50 50 Spiel laden -> -1", "-1 450 150 /\\ -> 30001",
                                      "-1 450 500 \\/ -> 30002", "-1 450 180 [] -> -1",
                                      "10 50 150 Spiel 1 -> 31001", "10 50 200 Spiel 2 -> 31002",
                                      "20 50 600  -> 31010", "1 900 600 Laden -> 31011",
                                      "1 50 700 Zur\xFC"
                                      "ck -> 10"}));
  Run(kLoadListDown);  // eight rows hold the list: nothing to scroll
  EXPECT_EQ(save.saveListScroll, 0);
  EXPECT_EQ(menu.screenState, kLoadScreen);
}

TEST_F(SaveScreens, ThumbFollowsTheScrollPosition) {
  EXPECT_EQ(SaveListThumbY(0, 0), 180);
  EXPECT_EQ(SaveListThumbY(0, 8), 180);
  EXPECT_EQ(SaveListThumbY(1, 9), 470);
  EXPECT_EQ(SaveListThumbY(1, 12), 252);  // 72.5 to the even 72
  EXPECT_EQ(SaveListThumbY(3, 12), 398);  // 217.5 to the even 218
  EXPECT_EQ(SaveListThumbY(4, 12), 470);
  // A list that shrank while scrolled down is shown from its last full page.
  ListNames(12);
  save.saveListScroll = 4;
  ListNames(9);
  Run(kLoadScreen);
  EXPECT_EQ(save.saveListScroll, 1);
  EXPECT_EQ(Items()[3], "-1 450 470 [] -> -1");
}

TEST_F(SaveScreens, PickingARowOrEditingFillsTheNameField) {
  ListNames(10);
  Run(kSaveScreen);
  Run(kSaveListDown);
  Run(kSaveRowBase + 3);  // the third visible row: name 4
  EXPECT_EQ(Field()->caption, "Spiel 4");
  EXPECT_EQ(ui.editBuffer, "Spiel 4");
  EXPECT_EQ(ui.editActive, 0);
  Run(kSaveEditName);
  EXPECT_EQ(ui.editActive, 1);
  EXPECT_EQ(ui.editSavedText, "Spiel 4");
  EXPECT_EQ(ui.editCursor, 7);
  // What is typed stays in the field while the list scrolls.
  Field()->caption = "Neu";
  ui.editActive = 0;
  Run(kSaveListUp);
  EXPECT_EQ(Field()->caption, "Neu");
  // A row past the end of a short list picks nothing.
  ListNames(2);
  Run(kLoadScreen);
  Run(kLoadRowBase + 5);
  EXPECT_EQ(Field()->caption, "Neu");
}

TEST_F(SaveScreens, SpeichernSavesTheNameInTheFieldAndSaysSo) {
  Run(kSaveScreen);
  Field()->caption = "Alpha";
  ui.editBuffer = "a chat line typed earlier";
  Run(kSaveButton);
  EXPECT_EQ(Items(), (std::vector<std::string>{
                         "0 50 50 Speichern -> -1", "0 50 150 Der Spielstand 'Alpha' -> -1",
                         "0 50 200 wurde gespeichert. -> -1", "1 890 600 Weiter -> 14"}));
  EXPECT_EQ(menu.screenState, kGameSaved);
  EXPECT_EQ(save.saveResult, 1);
  EXPECT_EQ(save.saveName, "Alpha");
  EXPECT_FALSE(t.FileBytes("Alpha").empty());
  Run(kSaveScreen);  // "Weiter": the list now offers the game
  const std::vector<std::string> items = Items();
  EXPECT_EQ(std::count_if(items.begin(), items.end(),
                          [](const std::string& item) { return item.starts_with("10 50 "); }),
            2);  // "Erster Flug" of the fixture, and the new game
  EXPECT_EQ(save.saveFileNames.Count(), 2);
  EXPECT_TRUE(std::find(save.saveFileNames.begin(), save.saveFileNames.end(), "Alpha") !=
              save.saveFileNames.end());
  EXPECT_EQ(Field()->caption, "Alpha");
}

TEST_F(SaveScreens, SpeichernThatFailsShowsTheErrorAndKeepsTheOldName) {
  save.saveName = "Alpha";
  const std::string listing = t.FolderListing();
  Run(kSaveScreen);
  Field()->caption = "../Alpha";
  Run(kSaveButton);
  EXPECT_EQ(Items(), (std::vector<std::string>{"0 50 50 FEHLER -> -1",
                                               "0 50 150 Der Spielstand '../Alpha' -> -1",
                                               "0 50 200 konnte nicht gespeichert werden. -> -1",
                                               "1 50 700 Zur\xFC"
                                               "ck -> 14"}));
  EXPECT_EQ(menu.screenState, kGameNotSaved);
  EXPECT_EQ(save.saveResult, 0);
  EXPECT_EQ(save.saveName, "Alpha");  // F5 still saves where it did
  EXPECT_EQ(t.FolderListing(), listing);
  Run(kSaveScreen);  // "Zurück": the name can be mended
  EXPECT_EQ(Field()->caption, "../Alpha");

  // A write that fails: the target name is a folder.
  std::filesystem::create_directories(t.SaveFile("Ordner"));
  Field()->caption = "Ordner";
  Run(kSaveButton);
  EXPECT_EQ(menu.screenState, kGameNotSaved);
  EXPECT_TRUE(std::filesystem::is_directory(t.SaveFile("Ordner")));
}

TEST_F(SaveScreens, LadenEntersTheLoadedGameOrShowsTheError) {
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Alpha").ok);
  t.world.ships.Front()->money = 3;
  WriteFixtureFile(t.SaveFile("Kaputt"), t.FileBytes("Alpha") + "x");
  menu.noGameInProgress = 1;

  Run(kLoadScreen);
  Field()->caption = "Kaputt";
  Run(kLoadButton);
  EXPECT_EQ(Items(), (std::vector<std::string>{"0 50 50 FEHLER -> -1",
                                               "0 50 150 Der Spielstand 'Kaputt' -> -1",
                                               "0 50 200 konnte nicht geladen werden. -> -1",
                                               "1 50 700 Zur\xFC"
                                               "ck -> 13"}));
  EXPECT_EQ(save.loadResult, 0);
  EXPECT_EQ(menu.noGameInProgress, 1);  // a failed load starts no game
  EXPECT_EQ(t.world.ships.Front()->money, 3);

  Run(kLoadScreen);
  Field()->caption = "Alpha";
  Run(kLoadButton);
  EXPECT_EQ(menu.screenState, kGameLoaded);
  EXPECT_EQ(save.loadResult, 1);
  EXPECT_EQ(save.saveName, "Alpha");
  EXPECT_EQ(menu.noGameInProgress, 0);
  EXPECT_EQ(t.world.ships.Front()->money, 12345);
}
