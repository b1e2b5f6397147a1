#include "game/shell/game_flow.h"

#include "formats/free_game.h"
#include "formats/media_numbers.h"
#include "formats/text_rules.h"
#include "game/save/save_game.h"
#include "game/save/save_list.h"
#include "game/save/save_screens.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/shell/screens.h"
#include "game/shell/world_data_loading.h"
#include "game/stations/station_screen.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/screen_codes.h"
#include "game/world/places.h"
#include "game/world/system_loading.h"
#include "game/world/world_lists.h"

void StartFreeGame(Game& game) {
  World& world = game.world;
  game.menu.noGameInProgress = 0;
  ForgetSaveName(game.save);
  StartNewGameWorld(world);
  AddShip(world.ships, NewPlayerShip(game.catalogues.ships, game.catalogues.weapons));
  world.cameraX = world.launchX = kFreeGameStartX;
  world.cameraY = world.launchY = kFreeGameStartY;
  world.playerHeading = world.launchHeading = kFreeGameStartHeading;
  world.playerShipType = kFreeGameShipType;
  world.nextObjectId = kNextObjectIdAtStart;
  world.helpHintPending = 1;

  ReloadGroups(game);
  EnterSystem(world, SystemContext{game.rng, game.folder});

  SettleFreeGameShip(*world.ships.Front());
  world.docking.dockedPlace = kFreeGameStartPlace;
}

void PrepareStation(Game& game) {
  RollPresence(game.station, game.rng);
  game.frame.screenFade = 255;
  ClearScreen(game.media, 0);
  game.menu.screenState = kStationScreen;
  TakeOffersFromPlace(game.station, game.world);
  ListSaveGames(game.save.saveFileNames, GameFile(game, "SAVE"));
  if (PlaceRecord* place = FindPlace(game.world, game.world.docking.dockedPlace)) place->known = 1;
  ReadStationPeople(game.station, game.world, game.folder);
  game.station.listScroll.fill(0);
  // The empty plate the dealers' data sheets are written on.
  std::string plate;
  for (int line = 0; line < 6; ++line) plate += std::string(60, ' ') + "\n";
  DrawTextBox(game.media, game.ui, 0, 0, kPictureHelpPage, plate);
  BuildScreen(game);
}

void EnterStation(Game& game) {
  PrepareStation(game);
  game.menu.framesOnScreen = 0;  // from flight, the station screen is a new one
  RunMenu(game);
}

void EnterNewGame(Game& game) {
  StartFreeGame(game);
  PrepareStation(game);
  NoteGameSaved(game.save, game.world);  // nothing to lose yet (the station is known now)
}

bool EnterLoadedGame(Game& game) {
  if (Docked(game.world)) {
    PrepareStation(game);
    NoteGameSaved(game.save, game.world);
    return true;
  }
  LeaveMenuToFlight(game);
  return false;
}

void LeaveMenuToFlight(Game& game) {
  ReturnOffersToPlace(game.station, game.world);
  // A launch starts with nothing selected: the ring just left would otherwise take the next
  // Left Ctrl and fly the ship straight back in.
  if (Docked(game.world)) game.world.flight.selectedObject = -1;
  game.world.docking.dockedPlace.clear();
  game.world.shipLoss = {};
  game.frame.screenFade = 255;
}
