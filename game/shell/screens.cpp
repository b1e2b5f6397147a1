#include "game/shell/screens.h"

#include "game/net/net_codes.h"
#include "game/save/save_codes.h"
#include "game/save/save_game.h"
#include "game/save/save_screens.h"
#include "game/shell/game.h"
#include "game/shell/network_play.h"
#include "game/stations/goods_trader.h"
#include "game/stations/people_screens.h"
#include "game/stations/ship_dealer.h"
#include "game/stations/station_codes.h"
#include "game/stations/station_screen.h"
#include "game/stations/weapons_dealer.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/ui/settings_screens.h"

namespace {

bool GameInProgress(const Game& game) {
  return game.menu.noGameInProgress == 0;
}

void BuildMainMenu(Game& game) {
  MenuState& menu = game.menu;
  EndNetworkPlay(game);
  AddItem(menu, kTextLine, 50, 50, "Hauptmen\xFC", -1);
  AddItem(menu, kButton, 50, 150, "Neues Spiel", kNewGameScreen);
  AddItem(menu, kButton, 50, 200, "Mehrspieler", kConnectionScreen);
  AddItem(menu, kButton, 50, 250, "Spiel laden", kLoadScreen);
  if (GameInProgress(game) && Docked(game.world)) {
    AddItem(menu, kButton, 50, 300, "Spiel speichern", kSaveScreen);
  }
  AddItem(menu, kButton, 50, 700, "Beenden", kQuitGame);
  if (GameInProgress(game)) {
    AddRightAlignedButton(menu, 700, "Weiterspielen",
                          Docked(game.world) ? kStationScreen : kLeaveStation);
  }
  menu.hint = "F10: Einstellungen";
}

void BuildNewGameScreen(Game& game) {
  AddItem(game.menu, kTextLine, 50, 50, "Neues Spiel", -1);
  AddItem(game.menu, kButton, 50, 200, "Freies Spiel", kFreeGame);
  AddItem(game.menu, kButton, 50, 700, kBackCaption, kMainMenu);
}

void BuildSettingsScreen(Game& game) {
  AddItem(game.menu, kTextLine, 50, 50, "Einstellungen", -1);
  AddItem(game.menu, kButton, 50, 150, "Steuerung", kControlsSettings);
  AddItem(game.menu, kButton, 50, 200, "Grafik", kGraphicsSettings);
  AddItem(game.menu, kButton, 50, 250, "Sound", kSoundSettings);
  AddItem(game.menu, kButton, 50, 700, kBackCaption, kMainMenu);
}

// "Steuerung", "Grafik", "Sound" and their entries; each gets the code being processed.
void RunSettingsCode(Game& game) {
  SettingsContext context{game.menu, game.media, game.settings,
                          GameFile(game, "Konfigurationen.ini"), game.ui.leftButtonState};
  RunSettingsScreenCode(context, game.menu.screenState);
}

// Ends the program at once, without saving.
void QuitNow(Game& game) {
  game.media.quitRequested = true;
}

// "Beenden": a game in progress that was played on since it was last saved or loaded would be
// lost, so the player is asked first; otherwise the program ends at once.
void QuitGame(Game& game) {
  if (!GameInProgress(game) || !ChangedSinceSaved(game.save, game.world)) {
    QuitNow(game);
    return;
  }
  ClearScreenItems(game.menu);
  AddItem(game.menu, kTextLine, 50, 50, "Spiel beenden?", -1);
  AddItem(game.menu, kTextLine, 50, 150, "Nicht gespeicherter Fortschritt geht verloren.", -1);
  AddItem(game.menu, kButton, 50, 700, kBackCaption, kMainMenu);
  AddRightAlignedButton(game.menu, 700, "Beenden", kQuitConfirmed);
  game.menu.screenState = kQuitQuestion;
}

StationContext StationOf(Game& game) {
  return StationContext{game.menu, game.world, game.station, game.catalogues, game.rng};
}

// The dealers' and the people's screens and actions; each gets the code being processed.
template <void (*Run)(StationContext&, int)>
void RunStationCode(Game& game) {
  StationContext context = StationOf(game);
  Run(context, game.menu.screenState);
}

// The save and load screens; each gets the code being processed.
void RunSaveCode(Game& game) {
  SaveContext context{game.menu, game.ui, game.save, game.world, game.folder, game.rng};
  RunSaveScreenCode(context, game.menu.screenState);
}

// Saving at a station: the docked place's offers as this visit has left them so far go into the
// place first, so the save holds the stock the player sees (leaving writes them again).
void RunSaveButton(Game& game) {
  if (Docked(game.world)) ReturnOffersToPlace(game.station, game.world);
  RunSaveCode(game);
}

// One row of the screen table: the codes first..last, what they do, and whether they are a screen
// of their own (its items are cleared before it is built).
struct ScreenRoute {
  int first;
  int last;
  void (*build)(Game& game);
  bool clearsItems;
};

constexpr ScreenRoute kScreenTable[] = {
    {kStationScreen, kStationScreen, [](Game& game) { BuildStationScreen(game.menu, game.world); },
     true},
    {kStartMenu, kStartMenu, BuildMainMenu, true},
    {kMainMenu, kMainMenu, BuildMainMenu, true},
    {kNewGameScreen, kNewGameScreen, BuildNewGameScreen, true},
    {kSettingsScreen, kSettingsScreen, BuildSettingsScreen, true},
    {kControlsSettings, kSoundSettings, RunSettingsCode, true},
    {kToggleFullscreen, kNextRenderer, RunSettingsCode, true},
    {kEffectsQuieter, kAnnouncementsLouder, RunSettingsCode, true},
    {kQuitGame, kQuitGame, QuitGame, false},
    {kQuitConfirmed, kQuitConfirmed, QuitNow, false},
    // The save and load screens keep the typed name across their rebuilds, so they clear their
    // items themselves.
    {kLoadScreen, kLoadScreen, RunSaveCode, false},
    {kSaveScreen, kSaveScreen, RunSaveCode, false},
    {kSaveListUp, kSaveEditName, RunSaveCode, false},
    {kSaveButton, kSaveButton, RunSaveButton, false},
    {kGameSaved, kGameNotSaved, RunSaveCode, false},
    {kLoadListUp, kLoadButton, RunSaveCode, false},
    {kGameNotLoaded, kGameNotLoaded, RunSaveCode, false},
    // The network screens keep their items while a field is edited, so they clear them themselves.
    {kConnectionScreen, kConnectionScreen, RunNetScreen, false},
    {kCharacterList, kNoConnectionScreen, RunNetScreen, false},
    {kSelectCharacterFirst, kSelectCharacterLast, RunNetScreen, false},
    {kCreateScreen, kJoinCharacter, RunNetScreen, false},
    {kEditAccountId, kEditAccountId, RunNetScreen, false},
    {kTakePreviousAccountId, kGameNotSentScreen, RunNetScreen, false},
    {kEditNewName, kSendCreate, RunNetScreen, false},
    {kNameTakenScreen, kNameTakenScreen, RunNetScreen, false},
};

// The station's own screens: they are screens only while docked with a ship (otherwise their
// codes leave the items alone, as codes without a row do).
constexpr ScreenRoute kStationTable[] = {
    {kWeaponsDealer, kWeaponsDealer, RunStationCode<RunWeaponsDealer>, true},
    {kSellWeaponFirst, kBuyWeaponFirst + kMaxRecordActions - 1, RunStationCode<RunWeaponsDealer>,
     true},
    {kWeaponsLeftUp, kWeaponsLeftDown, RunStationCode<RunWeaponsDealer>, true},
    {kWeaponsRightUp, kWeaponsRightDown, RunStationCode<RunWeaponsDealer>, true},
    {kGoodsTrader, kGoodsTrader, RunStationCode<RunGoodsTrader>, true},
    {kSellGoodsFirst, kBuyGoodsFirst + kMaxRecordActions - 1, RunStationCode<RunGoodsTrader>, true},
    {kGoodsLeftUp, kGoodsLeftDown, RunStationCode<RunGoodsTrader>, true},
    {kGoodsRightUp, kGoodsRightDown, RunStationCode<RunGoodsTrader>, true},
    {kShipDealer, kShipDealer, RunStationCode<RunShipDealer>, true},
    {kBuyShipFirst, kBuyShipFirst + kMaxRecordActions - 1, RunStationCode<RunShipDealer>, true},
    {kShipsRightUp, kShipsRightDown, RunStationCode<RunShipDealer>, true},
    {kPeopleScreen, kPeopleScreen, RunStationCode<RunPeople>, true},
    {kPersonScreenBase + 1, kPersonScreenBase + kMaxPersonPosition, RunStationCode<RunPeople>,
     true},
    {kAcceptMission, kSignContract, RunStationCode<RunPeople>, true},
};

const ScreenRoute* RouteIn(const auto& table, int code) {
  for (const ScreenRoute& route : table) {
    if (route.first <= code && code <= route.last) return &route;
  }
  return nullptr;
}

const ScreenRoute* RouteOf(const Game& game, int code) {
  if (const ScreenRoute* route = RouteIn(kScreenTable, code)) return route;
  if (!Docked(game.world) || game.world.ships.Empty()) return nullptr;
  return RouteIn(kStationTable, code);
}

}  // namespace

bool BuildScreen(Game& game) {
  int& state = game.menu.screenState;
  if (state == kBackToStation) state = kStationScreen;
  const ScreenRoute* route = RouteOf(game, state);
  if (!route) return false;
  if (route->clearsItems) ClearScreenItems(game.menu);
  const int shown = game.menu.shownScreen;
  route->build(game);
  game.menu.shownScreen = game.menu.screenState;  // builders leave the code of their screen
  // Rebuilding the same screen (a purchase, a scroll, a pick from a list) is no change of screen.
  if (game.menu.shownScreen != shown) game.menu.framesOnScreen = 0;
  // What the last loss took is told on the station screen until the player leaves it.
  if (game.menu.shownScreen != kStationScreen) game.world.shipLoss = {};
  return true;
}
