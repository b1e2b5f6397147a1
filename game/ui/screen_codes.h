#pragma once

// The codes of the screen system: the screen being shown or the action being processed. A
// button's action is the code it sets; the shell's screen table maps each code (or range) to the
// builder of the subsystem that owns it.
enum ScreenCode {
  kNoScreenChange = -1,  // set at the start of every menu frame

  // Stations.
  kStationScreen = 0,
  kRepairs = 1,  // no screen
  kWeaponsDealer = 2,
  kGoodsTrader = 3,
  kPeopleScreen = 4,
  kLeaveStation = 5,  // leave to flight
  kShipDealer = 6,
  kBackToStation = 12,  // builds the station screen

  // The main menu and its screens.
  kStartMenu = -10,
  kMainMenu = 10,
  kNewGameScreen = 11,
  kLoadScreen = 13,
  kSaveScreen = 14,
  kSettingsScreen = 15,
  kQuitGame = 16,           // "Beenden": asks first when progress would be lost, else ends
  kQuitQuestion = 161,      // "Spiel beenden?": the question before unsaved progress is lost
  kQuitConfirmed = 162,     // its "Beenden": ends the program at once
  kControlsSettings = 151,  // the settings screen's three entries
  kGraphicsSettings = 152,
  kSoundSettings = 153,
  kToggleFullscreen = 1521,  // the graphics screen's entries
  kNextRenderer = 1522,
  kEffectsQuieter = 1531,  // the sound screen's entries
  kEffectsLouder = 1532,
  kAnnouncementsQuieter = 1533,
  kAnnouncementsLouder = 1534,
  kFreeGame = 112,

  // Network play.
  kConnectionScreen = 17,
  kCharacterList = 171,
  kNetworkGameReceived = 17191,  // leave the menu to flight at once

  // Saved games.
  kGameLoaded = 310111,  // enter the loaded game's station
};
