// Saving and loading as a player does it: clicks at the documented positions and typed keys in the
// real menu loop, from the station over the main menu to the save and load screens.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

#include "formats/file_io.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game_fixture.h"
#include "scheduled_flow.h"
#include "tests/game/support/universe_fixture.h"

namespace {

class SaveFlow : public ScheduledFlow {
 protected:
  void SetUp() override {
    WriteMediaFixture(folder.path);
    WriteUniverseFixture(folder.path);
    StartGame();
  }

  std::string FieldCaption() {
    for (const MenuItemRecord& item : game->menu.menuItems) {
      if (item.kind == kTextField) return item.caption;
    }
    return "no field";
  }

  // A free game, then from its station over "Hauptmenü" to "Spiel speichern".
  void OpenSaveScreenOfAFreeGame() {
    ClickAt(3, 60, 160);    // "Neues Spiel"
    ClickAt(10, 60, 210);   // "Freies Spiel"
    ClickAt(20, 870, 710);  // "Hauptmenü", right-aligned at y 700
    ClickAt(30, 60, 310);   // "Spiel speichern" at (50, 300)
  }
};

}  // namespace

TEST_F(SaveFlow, SaveAtTheStationThenLoadFromTheMainMenu) {
  OpenSaveScreenOfAFreeGame();
  // Trading during this visit changed the station's copy of the place's stock line.
  At(35, [&] { game->station.currentGoodsPrices = "Wasser    3"; });
  ClickAt(40, 60, 610);  // the name field at (50, 600)
  int key = 45;
  for (const int code : {30, 38, 25, 35, 30}) TapKey(key += 2, code);  // "alpha"
  ClickAt(60, 870, 610);  // "Speichern", right-aligned at y 600
  std::vector<std::string> result;
  At(66, [&] {
    for (const MenuItemRecord& item : game->menu.menuItems) result.push_back(item.caption);
    // The game goes on after the save.
    game->world.ships.Front()->money = 1;
    game->world.places.Front()->goodsPrices = "sold out";
  });
  ClickAt(70, 900, 610);   // "Weiter"
  ClickAt(80, 60, 710);    // "Zurück" to the main menu
  ClickAt(90, 60, 260);    // "Spiel laden" at (50, 250)
  ClickOn(100, "alpha");   // its row of the list
  ClickAt(110, 910, 610);  // "Laden"
  std::string title;
  bool inMenu = false;
  At(125, [&] {
    title = game->menu.menuItems.Front()->caption;
    inMenu = game->loop.menuRunning;
  });
  Play(126);

  EXPECT_EQ(result, (std::vector<std::string>{"Speichern", "Der Spielstand 'alpha'",
                                              "wurde gespeichert.", "Weiter"}));
  EXPECT_EQ(title, "Willkommen auf Planet Neue Allianz");
  EXPECT_EQ(game->world.ships.Front()->money, 10000);
  EXPECT_EQ(game->world.places.Front()->goodsPrices, "Wasser    3");  // the stock as saved
  EXPECT_EQ(game->station.currentGoodsPrices, "Wasser    3");
  EXPECT_EQ(game->save.saveName, "alpha");
  EXPECT_EQ(game->menu.noGameInProgress, 0);
  EXPECT_TRUE(inMenu);
}

TEST_F(SaveFlow, EscapeWhileTypingANameOnlyEndsTheEntry) {
  OpenSaveScreenOfAFreeGame();
  ClickAt(40, 60, 610);
  TapKey(46, 45);  // "x"
  std::string typed = "?";
  At(49, [&] { typed = FieldCaption(); });
  TapKey(50, 1);  // Escape
  std::string field = "?";
  bool inMenu = false;
  At(70, [&] {
    field = FieldCaption();
    inMenu = game->loop.menuRunning && game->frame.screenFade == 0;
  });
  Play(71);
  EXPECT_EQ(typed, "x");
  EXPECT_TRUE(inMenu);
  EXPECT_EQ(field, "");
  EXPECT_EQ(game->ui.editActive, 0);
  EXPECT_EQ(game->world.docking.dockedPlace, "Planet Neue Allianz");
}

TEST_F(SaveFlow, TheNewCharactersTemplateIsRefusedOnTheSaveScreenAndForF5) {
  const std::filesystem::path templateFile = folder.path / "SAVE" / "Neuer Charakter.sav";
  const std::optional<std::string> before = ReadFileBytes(templateFile);
  OpenSaveScreenOfAFreeGame();
  At(50, [&] {  // the name field, as if typed
    for (MenuItemRecord& item : game->menu.menuItems) {
      if (item.kind == kTextField) item.caption = "Neuer Charakter";
    }
  });
  ClickAt(60, 870, 610);  // "Speichern"
  std::vector<std::string> result;
  std::string ticker;
  At(66, [&] {
    for (const MenuItemRecord& item : game->menu.menuItems) result.push_back(item.caption);
    // A game loaded from the template bears its name; F5 refuses it too and says so.
    game->save.saveName = "Neuer Charakter";
    CarryOutFlightRequests(*game, FlightRequests{.quickSave = true});
    for (const TickerMessageRecord& line : game->world.tickerMessages) {
      ticker = line.text1 + line.text2;
    }
  });
  Play(67);
  EXPECT_EQ(result, (std::vector<std::string>{"FEHLER", "Der Spielstand 'Neuer Charakter'",
                                              "konnte nicht gespeichert werden.", kBackCaption}));
  EXPECT_EQ(ticker, "Spiel nicht gespeichert: Neuer Charakter");
  EXPECT_EQ(ReadFileBytes(templateFile), before);
}

TEST_F(SaveFlow, BeendenQuitsAtOnceWhileTheGameIsAsItBegan) {
  ClickAt(3, 60, 160);    // "Neues Spiel"
  ClickAt(10, 60, 210);   // "Freies Spiel"
  ClickAt(20, 870, 710);  // "Hauptmenü"
  ClickAt(30, 60, 710);   // "Beenden"
  Play(60);
  ASSERT_FALSE(game->menu.menuItems.Empty());
  EXPECT_EQ(game->menu.menuItems.Front()->caption, "Hauptmen\xFC");  // no question asked
  EXPECT_LT(frame, 60);                                              // it quit at once
}

TEST_F(SaveFlow, F5InFlightSavesWithoutAScreenAndLoadsBackIntoFlight) {
  ClickAt(3, 60, 160);   // "Neues Spiel"
  ClickAt(10, 60, 210);  // "Freies Spiel"
  ClickAt(20, 60, 710);  // "Starten"
  std::string firstLine = "?";
  At(90, [&] {
    ASSERT_FALSE(game->loop.menuRunning);
    game->world.ships.Front()->money = 321;
    CarryOutFlightRequests(*game, FlightRequests{.quickSave = true});  // F5 before any name
    const std::string bytes =
        ReadFileBytes(folder.path / "SAVE" / "Schnellspeicher.sav").value_or("missing");
    firstLine = bytes.substr(0, bytes.find('\n') + 1);
    game->world.ships.Front()->money = 5;
  });
  TapKey(92, 1);           // Escape: the main menu
  ClickAt(100, 60, 260);   // "Spiel laden"
  ClickAt(110, 910, 610);  // "Laden": the field shows the quick save's name
  bool inMenu = true;
  At(125, [&] { inMenu = game->loop.menuRunning; });
  Play(126);
  EXPECT_EQ(firstLine, "\r\n");  // not docked in flight
  EXPECT_FALSE(std::filesystem::exists(folder.path / "SAVE" / ".sav"));
  EXPECT_EQ(game->save.saveName, "Schnellspeicher");
  EXPECT_FALSE(inMenu);  // back in flight, not in a station of no place
  EXPECT_EQ(game->world.ships.Front()->money, 321);
}
