#include "formats/free_game.h"

#include "formats/latin1.h"
#include "formats/object_kinds.h"
#include "formats/text_rules.h"

std::string ShipWeaponRecord(int weaponIndex) {
  return PadRight(FormatInt(weaponIndex), 5) + "0    ";
}

ShipRecord NewPlayerShip(const ShipCatalogue& ships, const WeaponCatalogue& weapons) {
  // The game's catalogue always has room for index 1; a file without ships leaves it empty.
  const ShipType t = static_cast<size_t>(kFreeGameShipType) < ships.shipTypes.size()
                         ? ships.shipTypes[kFreeGameShipType]
                         : ShipType{};
  std::string weaponFields;
  const std::string weapon = ShipWeaponRecord(WeaponTypeIndex(weapons, kFreeGameStartWeapon));
  for (int slot = 0; slot < kFreeGameStartWeaponCount; ++slot) weaponFields += weapon;
  return {.type = ShipPictureOf(kFreeGameShipType),
          .id = kLocalShipId,
          .controller = kLocalShipController,
          .group = 0,
          .radius = static_cast<float>(t.size),
          .x = kFreeGameStartX,
          .y = kFreeGameStartY,
          .heading = kFreeGameStartHeading,
          .turnRate = 0,
          .agility = static_cast<float>(t.agility),
          .speed = 0,
          .maxSpeed = static_cast<float>(t.maxSpeed),
          .driveSpeed = 0,
          .driveFactor = 1,
          .money = kFreeGameStartMoney,
          .weapons = weaponFields,
          .cargo = "",
          .cargoCapacity = t.cargoCapacity,
          .hull = static_cast<float>(t.hull),
          .maxHull = t.hull,
          .impactSprite = kFreeGameImpactSprite,
          .impacts = "",
          .shield = static_cast<float>(kFreeGameShield),
          .maxShield = kFreeGameShield,
          .shieldDownTimer = 0,
          .energy = static_cast<float>(t.energy),
          .maxEnergy = t.energy,
          .tractorTimer = -1,
          .orders = "",
          .dockTarget = -1};
}

void SettleFreeGameShip(ShipRecord& ship) {
  ship.speed = kFreeGameDockedSpeed;
  ship.driveSpeed = 0;
  ship.driveFactor = 1;
  ship.dockTarget = -1;
}

SavedGame FreeGameSave(const ShipCatalogue& ships, const WeaponCatalogue& weapons,
                       const GroupCatalogue& groups, const std::vector<ScannedPlace>& places) {
  SavedGame game;
  game.dockedPlace = std::string(kFreeGameStartPlace);
  game.ship = NewPlayerShip(ships, weapons);
  SettleFreeGameShip(game.ship);
  game.attitudes = PlayerAttitudes(groups);
  for (const ScannedPlace& place : places) {
    // Entering the start station marks it known; nothing else is known yet.
    game.places.push_back(
        {.known = place.name == kFreeGameStartPlace ? 1 : 0, .info4 = place.goodsPrices});
  }
  return game;
}

SavedGame LoadFreeGameSave(const std::filesystem::path& gameFolder) {
  return FreeGameSave(LoadShipTypes(DataPath(gameFolder, "INI\\Raumschiffe.ini")),
                      LoadWeaponTypes(DataPath(gameFolder, "INI\\Waffen.ini")),
                      LoadGroups(DataPath(gameFolder, "INI\\Gruppen.ini")),
                      ScanPlaces(gameFolder / "INI"));
}
