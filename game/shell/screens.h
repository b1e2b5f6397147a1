#pragma once

#include <string>
#include <vector>

struct Game;

// Screen codes of the menu system.
enum ScreenCode {
  kStationScreen = 0,
  kLeaveStation = 5,
  kMainMenu = 10,
  kStartMenu = -10,
  kNewGameScreen = 11,
  kBackToStation = 12,
  kSettingsScreen = 15,
  kQuitGame = 16,
  kFreeGame = 112,
};

// Item kinds.
enum MenuItemKind {
  kScrollArrow = -1,
  kTextLine = 0,
  kButton = 1,
  kReservedItem = 9,
  kSaveEntry = 10,
  kDealerEntry = 11,
  kDimmedEntry = 12,
  kTextField = 20,
};

// Builds the screen of the current ScreenState: clears the items and the screen tag and adds the
// screen's items. Codes that are no screen of their own change what they stand for and build the
// screen they belong to; codes without an entry leave the current items alone. False then.
bool BuildScreen(Game& game);

// An error shown as a screen: "FEHLER", the message lines, and "Zurück" to the given code.
void ShowErrorScreen(Game& game, const std::vector<std::string>& lines, int returnCode);

// Adds a button right-aligned at the bottom right.
void AddRightAlignedButton(Game& game, int y, const std::string& caption, int action);

// The x of a right-aligned item with this caption.
int RightAlignedX(const std::string& caption);
