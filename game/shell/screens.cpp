#include "game/shell/screens.h"

#include "game/shell/game.h"
#include "game/stations/station_screen.h"
#include "game/world/world_lists.h"

namespace {

void Add(Game& game, int kind, int x, int y, const std::string& caption, int action) {
  AddMenuItem(game.menu.menuItems, kind, x, y, caption, action);
}

bool GameInProgress(const Game& game) {
  return game.menu.noGameInProgress == 0;
}
bool Docked(const Game& game) {
  return game.menu.dockedPlace.size() >= 3;
}

void BuildMainMenu(Game& game) {
  Add(game, kTextLine, 50, 50, "Hauptmen\xFC", -1);
  Add(game, kButton, 50, 150, "Neues Spiel", kNewGameScreen);
  Add(game, kButton, 50, 250, "Spiel laden", 13);
  if (GameInProgress(game) && Docked(game)) Add(game, kButton, 50, 300, "Spiel speichern", 14);
  Add(game, kButton, 50, 700, "Beenden", kQuitGame);
  if (GameInProgress(game)) {
    AddRightAlignedButton(game, 700, "Weiterspielen",
                          Docked(game) ? kStationScreen : kLeaveStation);
  }
  game.menu.hint = "F10: Einstellungen";
}

void BuildNewGameScreen(Game& game) {
  Add(game, kTextLine, 50, 50, "Neues Spiel", -1);
  Add(game, kButton, 50, 200, "Freies Spiel", kFreeGame);
  Add(game, kButton, 50, 700,
      "Zur\xFC"
      "ck",
      kMainMenu);
}

void BuildSettingsScreen(Game& game) {
  Add(game, kTextLine, 50, 50, "Einstellungen", -1);
  Add(game, kButton, 50, 150, "Steuerung", 151);
  Add(game, kButton, 50, 200, "Grafik", 152);
  Add(game, kButton, 50, 250, "Sound", 153);
  Add(game, kButton, 50, 700,
      "Zur\xFC"
      "ck",
      kMainMenu);
}

void ClearScreenItems(Game& game) {
  game.menu.menuItems.Clear();
  game.menu.screenTag.clear();
  game.menu.hint.clear();
}

}  // namespace

int RightAlignedX(const std::string& caption) {
  return 950 - 10 * static_cast<int>(caption.size());
}

void AddRightAlignedButton(Game& game, int y, const std::string& caption, int action) {
  Add(game, kButton, RightAlignedX(caption), y, caption, action);
}

bool BuildScreen(Game& game) {
  int& state = game.menu.screenState;
  if (state == kBackToStation) state = kStationScreen;
  switch (state) {
    case kStationScreen:
      ClearScreenItems(game);
      BuildStationScreen(game);
      return true;
    case kMainMenu:
    case kStartMenu:
      ClearScreenItems(game);
      BuildMainMenu(game);
      return true;
    case kNewGameScreen:
      ClearScreenItems(game);
      BuildNewGameScreen(game);
      return true;
    case kSettingsScreen:
      ClearScreenItems(game);
      BuildSettingsScreen(game);
      return true;
    case kQuitGame:
      // Ends the program at once, without asking and without saving.
      game.media.quitRequested = true;
      return true;
    default:
      return false;
  }
}

void ShowErrorScreen(Game& game, const std::vector<std::string>& lines, int returnCode) {
  ClearScreenItems(game);
  Add(game, kTextLine, 50, 50, "FEHLER", -1);
  int y = 150;
  for (const std::string& line : lines) {
    Add(game, kTextLine, 50, y, line, -1);
    y += 50;
  }
  Add(game, kButton, 50, 700,
      "Zur\xFC"
      "ck",
      returnCode);
}
