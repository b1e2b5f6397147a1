#include "game/world/computer_ships.h"

#include "formats/object_kinds.h"
#include "formats/traffic_loadouts.h"
#include "game/world/ship_records.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kComputerMoney = 1000;
constexpr int kNewShield = 100;
constexpr int kNewImpactSprite = 11;

}  // namespace

void TakeLoadout(ComputerLoadout& loadout, std::string_view group, std::string_view systemFolder,
                 const Catalogues& catalogues, Rng& rng) {
  const TrafficLoadout* row = FindTrafficLoadout(group, systemFolder);
  if (!row) return;
  loadout.shipType = ShipTypeIndex(catalogues.ships, row->shipType);
  loadout.weapons.clear();
  for (std::string_view weapon : row->weapons) {
    loadout.weapons += WeaponRecord(WeaponTypeIndex(catalogues.weapons, weapon));
  }
  const int amount = 1 + RandomInt(rng, 4);
  loadout.cargo = CargoRecord(GoodsIndex(catalogues.goods, row->goods), amount);
}

ShipRecord MakeComputerShip(const World& world, const Catalogues& catalogues,
                            const ComputerLoadout& loadout, int group, float x, float y,
                            float heading) {
  const std::vector<ShipType>& types = catalogues.ships.shipTypes;
  const int t = loadout.shipType >= 0 && loadout.shipType < static_cast<int>(types.size())
                    ? loadout.shipType
                    : 0;
  static const ShipType kNoType;
  const ShipType& type = types.empty() ? kNoType : types[t];
  return {.type = ShipPictureOf(t),
          .id = world.nextObjectId,
          .controller = 0,
          .pilotName = "",
          .group = group,
          .radius = static_cast<float>(type.size),
          .x = x,
          .y = y,
          .heading = heading,
          .turnRate = 0,
          .agility = static_cast<float>(type.agility),
          .speed = 0,
          .maxSpeed = static_cast<float>(type.maxSpeed),
          .driveSpeed = 0,
          .driveFactor = 1,
          .money = kComputerMoney,
          .weapons = loadout.weapons,
          .cargo = loadout.cargo,
          .cargoCapacity = type.cargoCapacity,
          .hull = static_cast<float>(type.hull),
          .maxHull = type.hull,
          .impactSprite = kNewImpactSprite,
          .impacts = "",
          .shield = kNewShield,
          .maxShield = kNewShield,
          .shieldDownTimer = 0,
          .energy = static_cast<float>(type.energy),
          .maxEnergy = type.energy,
          .tractorTimer = -1,
          .orders = "",
          .dockTarget = -1,
          .spare = 0};
}

ShipRecord& AppendShip(World& world, ShipRecord ship) {
  CursorList<ShipRecord>& ships = world.ships;
  const ShipRecord* current = ships.Current();
  ships.Reset();
  while (ships.Next()) {
  }
  ShipRecord& added = AddShip(ships, std::move(ship));
  if (current) {
    ships.MakeCurrent(current);
  } else {
    ships.Reset();
  }
  return added;
}
