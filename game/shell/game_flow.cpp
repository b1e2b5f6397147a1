#include "game/shell/game_flow.h"

#include "formats/media_numbers.h"
#include "formats/text_rules.h"
#include "game/save/save_list.h"
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

namespace {

constexpr const char* kStartPlace = "Planet Neue Allianz";
constexpr const char* kStartWeapon = "Loku I";
constexpr float kStartX = 45001;
constexpr float kStartY = 79300;
constexpr float kStartHeading = 270;

// A weapon record: the index left-aligned in 5 characters, then a cooldown of 0.
std::string WeaponRecord(int index) {
  return PadRight(std::to_string(index), 5) + "0    ";
}

void CreatePlayerShip(Game& game) {
  const ShipType& t = game.catalogues.ships.shipTypes[1];
  const std::string weapon = WeaponRecord(WeaponTypeIndex(game.catalogues.weapons, kStartWeapon));
  game.world.ships.Reset();
  AddShip(game.world.ships, {.type = 2001,
                             .id = 10,
                             .controller = 1,
                             .group = 0,
                             .radius = static_cast<float>(t.size),
                             .x = kStartX,
                             .y = kStartY,
                             .heading = kStartHeading,
                             .turnRate = 0,
                             .agility = static_cast<float>(t.agility),
                             .speed = 0,
                             .maxSpeed = static_cast<float>(t.maxSpeed),
                             .driveSpeed = 0,
                             .driveFactor = 1,
                             .money = 10000,
                             .weapons = weapon + weapon + weapon,
                             .cargo = "",
                             .cargoCapacity = t.cargoCapacity,
                             .hull = static_cast<float>(t.hull),
                             .maxHull = t.hull,
                             .impactSprite = 11,
                             .impacts = "",
                             .shield = 100,
                             .maxShield = 100,
                             .shieldDownTimer = 0,
                             .energy = static_cast<float>(t.energy),
                             .maxEnergy = t.energy,
                             .tractorTimer = -1,
                             .orders = "",
                             .dockTarget = -1});
}

}  // namespace

void StartFreeGame(Game& game) {
  World& world = game.world;
  game.menu.noGameInProgress = 0;
  world.ships.Clear();
  ClearSystemVisit(world.visit);
  CreatePlayerShip(game);
  world.cameraX = world.launchX = kStartX;
  world.cameraY = world.launchY = kStartY;
  world.playerHeading = world.launchHeading = kStartHeading;
  world.playerShipType = 1;
  world.nextObjectId = 100;

  ReloadGroups(game);
  EnterSystem(world, SystemContext{game.rng, game.folder});

  ShipRecord& ship = *world.ships.Front();
  ship.speed = 10;
  ship.driveSpeed = 0;
  ship.driveFactor = 1;
  ship.dockTarget = -1;
  game.world.docking.dockedPlace = kStartPlace;
}

void PrepareStation(Game& game) {
  RollPresence(game.station, game.rng);
  game.frame.screenFade = 255;
  ClearScreen(game.media, 0);
  game.menu.screenState = kStationScreen;
  TakeOffersFromPlace(game.station, game.world);
  ListSaveGames(game.menu.saveFileNames, GameFile(game, "SAVE"));
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
  RunMenu(game);
}

void LeaveMenuToFlight(Game& game) {
  ReturnOffersToPlace(game.station, game.world);
  game.world.docking.dockedPlace.clear();
  game.frame.screenFade = 255;
}
