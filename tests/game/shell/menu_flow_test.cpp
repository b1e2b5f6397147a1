// The menus as a player meets them: real clicks at the documented positions, frame by frame.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/shell/screens.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/world/places.h"
#include "game/world/world_lists.h"
#include "game_fixture.h"
#include "scheduled_flow.h"
#include "tests/game/support/universe_fixture.h"

namespace {

class MenuFlow : public ScheduledFlow {
 protected:
  void SetUp() override {
    WriteMediaFixture(folder.path);
    WriteUniverseFixture(folder.path);
    StartGame();
  }
};

}  // namespace

TEST_F(MenuFlow, StartMenuHasNoContinueAndNoSave) {
  std::vector<std::string> captions;
  At(5, [&] {
    for (const MenuItemRecord& item : game->menu.menuItems) captions.push_back(item.caption);
  });
  TapKey(6, 1);  // Escape with no ships: the menu stays
  bool menuAfterEscape = false;
  At(40, [&] { menuAfterEscape = game->loop.menuRunning && game->frame.screenFade == 0; });
  Play(41);
  EXPECT_TRUE(menuAfterEscape);
  EXPECT_EQ(captions, (std::vector<std::string>{"Hauptmen\xFC", "Neues Spiel", "Mehrspieler",
                                                "Spiel laden", "Beenden"}));
  EXPECT_EQ(game->save.saveFileNames.Count(), 1);
  EXPECT_EQ(*game->save.saveFileNames.Front(), "Erster Flug");
}

TEST_F(MenuFlow, FreeGameCreatesTheShipAndDocksAtTheStartPlace) {
  ClickAt(3, 60, 160);   // "Neues Spiel" at (50, 150)
  ClickAt(10, 60, 210);  // "Freies Spiel" at (50, 200)
  std::string title;
  At(20, [&] { title = game->menu.menuItems.Front()->caption; });
  Play(21);
  EXPECT_EQ(title, "Willkommen auf Planet Neue Allianz");
  EXPECT_EQ(game->world.docking.dockedPlace, "Planet Neue Allianz");
  EXPECT_EQ(game->menu.noGameInProgress, 0);
  ASSERT_EQ(game->world.ships.Count(), 1);
  const ShipRecord& ship = *game->world.ships.Front();
  EXPECT_EQ(ship.type, 2001);
  EXPECT_EQ(ship.id, 10);
  EXPECT_EQ(ship.radius, 24);
  EXPECT_EQ(ship.x, 45001);
  EXPECT_EQ(ship.y, 79300);
  EXPECT_EQ(ship.heading, 270);
  EXPECT_EQ(ship.speed, 10);
  EXPECT_EQ(ship.money, 10000);
  EXPECT_EQ(ship.weapons, "1    0    1    0    1    0    ");
  EXPECT_EQ(ship.maxHull, 300);
  EXPECT_EQ(ship.maxShield, 100);
  EXPECT_EQ(ship.maxEnergy, 500);
  EXPECT_EQ(ship.tractorTimer, -1);
  EXPECT_EQ(ship.dockTarget, -1);
  EXPECT_EQ(game->world.visit.currentSystemFolder, "Heimat");
  EXPECT_EQ(game->world.visit.systemObjects.Count(), 2);
  EXPECT_EQ(game->world.nextObjectId, 120);
  EXPECT_EQ(FindPlace(game->world, "Planet Neue Allianz")->known, 1);
  EXPECT_EQ(game->station.stationPeople.Count(), 2);
  EXPECT_EQ(game->station.currentWeaponOffers.size(), 60u);
}

TEST_F(MenuFlow, StartenFadesOutWritesTheOffersBackAndFlies) {
  ClickAt(3, 60, 160);
  ClickAt(10, 60, 210);
  At(20, [&] { game->station.currentGoodsPrices = "changed by trading"; });
  ClickAt(22, 60, 710);  // "Starten" at (50, 700)
  bool menuAtFrame70 = true;
  At(90, [&] { menuAtFrame70 = game->loop.menuRunning; });
  Play(91);
  EXPECT_FALSE(menuAtFrame70);
  EXPECT_EQ(game->world.docking.dockedPlace, "");
  EXPECT_EQ(FindPlace(game->world, "Planet Neue Allianz")->goodsPrices, "changed by trading");
}

TEST_F(MenuFlow, EscapeOpensThePauseMenuAndContinueReturnsToFlight) {
  ClickAt(3, 60, 160);
  ClickAt(10, 60, 210);
  ClickAt(22, 60, 710);  // fly
  TapKey(100, 1);        // Escape in flight
  std::vector<std::string> captions;
  At(110, [&] {
    for (const MenuItemRecord& item : game->menu.menuItems) captions.push_back(item.caption);
  });
  const int x = RightAlignedX("Weiterspielen") + 10;
  ClickAt(111, x, 710);
  bool menuAfter = true;
  At(180, [&] { menuAfter = game->loop.menuRunning; });
  Play(181);
  EXPECT_EQ(captions, (std::vector<std::string>{"Hauptmen\xFC", "Neues Spiel", "Mehrspieler",
                                                "Spiel laden", "Beenden", "Weiterspielen"}));
  EXPECT_FALSE(menuAfter);
  EXPECT_EQ(game->world.docking.dockedPlace, "");
}

TEST_F(MenuFlow, DockedPauseMenuOffersSavingAndReturnsToTheStation) {
  ClickAt(3, 60, 160);
  ClickAt(10, 60, 210);
  const int x = RightAlignedX("Hauptmen\xFC") + 10;
  ClickAt(20, x, 710);  // "Hauptmenü" from the station
  bool saveOffered = false;
  int continueAction = -1;
  At(30, [&] {
    saveOffered = Item("Spiel speichern") != nullptr;
    if (const MenuItemRecord* item = Item("Weiterspielen")) continueAction = item->action;
  });
  ClickAt(31, RightAlignedX("Weiterspielen") + 10, 710);
  std::string title;
  At(40, [&] { title = game->menu.menuItems.Front()->caption; });
  Play(41);
  EXPECT_TRUE(saveOffered);
  EXPECT_EQ(continueAction, 0);
  EXPECT_EQ(title, "Willkommen auf Planet Neue Allianz");
}

TEST_F(MenuFlow, HeldButtonRepeatsAfterTenFramesAndDimmedItemsNeverReact) {
  Play(1);  // start-up done; now drive single frames by hand
  game->hooks.onFrameEnd.clear();
  game->media.quitRequested = false;
  auto& items = game->menu.menuItems;
  items.Clear();
  AddMenuItem(items, kScrollArrow, 450, 150, "/\\", 12001);
  AddMenuItem(items, kDimmedEntry, 50, 300, "Hammer", 2501);
  InjectMouseMove(game->media, 460, 160);
  InjectMouseButton(game->media, 1, true);
  std::vector<int> actions;
  for (int f = 1; f <= 14; ++f) {
    RunMenuFrame(*game);
    actions.push_back(game->menu.screenState);
  }
  // Frames 1-10 are presses, not yet clicks; from the 11th frame held the action repeats.
  EXPECT_EQ(std::count(actions.begin(), actions.begin() + 10, 12001), 0);
  EXPECT_EQ(std::count(actions.begin() + 10, actions.end(), 12001), 4);

  InjectMouseButton(game->media, 1, false);
  RunMenuFrame(*game);
  InjectMouseMove(game->media, 60, 310);
  InjectMouseButton(game->media, 1, true);
  for (int f = 0; f < 14; ++f) {
    RunMenuFrame(*game);
    EXPECT_EQ(game->menu.screenState, -1);
  }
  InjectMouseButton(game->media, 1, false);
  RunMenuFrame(*game);
  EXPECT_EQ(game->menu.screenState, -1);
}

TEST_F(MenuFlow, MainMenuScreenshotShowsBackgroundAndCaptions) {
  At(40, [&] {
    // The reveal is over after 30 frames: every caption and the lights are drawn.
    int litInCaption = 0;
    for (int x = 60; x < 170; ++x) {
      if ((ReadScreenPixel(game->media, x, 168) & 0xFFFFFF) != 0) ++litInCaption;
    }
    EXPECT_GT(litInCaption, 50);  // "Neues Spiel" in the fixture font's blocks
    int litBackground = 0;
    for (int y = 0; y < 768; y += 4) {
      for (int x = 300; x < 1024; x += 4) {
        if (ReadScreenPixel(game->media, x, y) != 0) ++litBackground;
      }
    }
    EXPECT_GT(litBackground, 200);  // stars and orbiting lights
  });
  Play(41);
}

TEST(MenuItems, HitBoxIsStrictAndRevealFlickers) {
  MenuItemRecord button{kButton, 50, 150, "Neues Spiel", 11};  // 11 characters: 140 wide
  EXPECT_TRUE(ItemUnderMouse(button, 51, 151));
  EXPECT_FALSE(ItemUnderMouse(button, 50, 160));
  EXPECT_FALSE(ItemUnderMouse(button, 190, 160));
  EXPECT_TRUE(ItemUnderMouse(button, 189, 185));
  EXPECT_FALSE(ItemUnderMouse(button, 100, 186));
  MenuItemRecord field{kTextField, 50, 150, "", 20001};
  EXPECT_EQ(ItemHitWidth(field), 330);

  // 3 items: step 10, item 2 has r = 20; it blinks at 15 and 18, hides at 22.
  EXPECT_FALSE(ItemRevealed(2, 3, 14));
  EXPECT_TRUE(ItemRevealed(2, 3, 15));
  EXPECT_FALSE(ItemRevealed(2, 3, 16));
  EXPECT_TRUE(ItemRevealed(2, 3, 18));
  EXPECT_FALSE(ItemRevealed(2, 3, 20));
  EXPECT_TRUE(ItemRevealed(2, 3, 21));
  EXPECT_FALSE(ItemRevealed(2, 3, 22));
  EXPECT_TRUE(ItemRevealed(2, 3, 23));
}

// The hover bar lights the item from below: its middle runs along the foot of the caption's cell
// (text at y + 8, 20 high), not through the letters.
TEST(MenuItems, HighlightBarRunsAlongTheFootOfTheCaption) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);  // the fixture's bar picture is lit evenly over its 36 rows
  GamePtr game = MakeStartedGame(folder.path);
  game->menu.menuItems.Clear();
  game->menu.revealCounter = 100;  // long past the reveal
  AddMenuItem(game->menu.menuItems, kButton, 50, 300, "Neues Spiel", kNewGameScreen);
  ClearScreen(game->media, 0);
  BeginQuads(game->media);
  DrawMenuItems(game->menu, game->media);
  auto lit = [&](int y) { return (ReadScreenPixel(game->media, 20, y) & 0xFFFFFF) != 0; };
  EXPECT_FALSE(lit(300 + 4));       // above the caption's cell
  EXPECT_TRUE(lit(300 + 28));       // the foot of the cell: the bar's middle
  EXPECT_TRUE(lit(300 + 28 + 16));  // and its lower half below the caption
  EXPECT_FALSE(lit(300 + 28 + 20));
}
