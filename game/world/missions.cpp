#include "game/world/missions.h"

#include "formats/text_rules.h"

std::string MissionMarker(int x, int y) {
  return PadLeft(FormatInt(x), 10) + PadLeft(FormatInt(y), 10);
}

bool MissionRunning(const World& world) {
  const ShipRecord* ship = world.ships.Front();
  return ship && !ship->orders.empty();
}

bool IsMissionShip(const ShipRecord& ship) {
  return ship.group >= kMissionGroupOffset;
}

void PayMissionRewardWhenDone(World& world) {
  if (!MissionRunning(world)) return;
  for (const ShipRecord& ship : world.ships) {
    if (IsMissionShip(ship)) return;
  }
  ShipRecord& player = *world.ships.Front();
  player.orders.clear();
  player.money += world.pendingReward.amount;
  world.pendingReward.amount = 0;
}

void CancelMission(World& world) {
  if (!MissionRunning(world)) return;
  world.ships.Front()->orders.clear();
  world.pendingReward.amount = 0;
  // The walk keeps the list's cursor where it stood, as a pass over Ships may be in progress.
  CursorList<ShipRecord>& ships = world.ships;
  const ShipRecord* current = ships.Current();
  ships.Reset();
  while (ships.Next()) {
    ShipRecord* ship = ships.Current();
    if (ship == ships.Front() || !IsMissionShip(*ship)) continue;
    if (ship == current) current = nullptr;
    ships.DeleteCurrent();
  }
  if (current) {
    ships.MakeCurrent(current);
  } else {
    ships.Reset();
  }
}
