#include "game/flight/pickup.h"

#include <vector>

#include "formats/text_rules.h"
#include "game/world/geometry.h"

namespace {

constexpr int kWeaponPod = 3901;
constexpr int kFieldWidth = 10;

std::string ShipField(int index, int value) {
  return PadRight(FormatInt(index), 5) + PadRight(FormatInt(value), 5);
}

void StowCargo(std::string& cargo, int goods, int amount) {
  const size_t fields = cargo.size() / kFieldWidth;
  for (size_t i = 0; i < fields; ++i) {
    if (ReadInt(cargo.substr(i * kFieldWidth, 5)) != goods) continue;
    const int held = ReadInt(cargo.substr(i * kFieldWidth + 5, 5));
    cargo.replace(i * kFieldWidth, kFieldWidth, ShipField(goods, held + amount));
    return;
  }
  cargo.resize(fields * kFieldWidth);  // a torn last field would shift the new one
  cargo += ShipField(goods, amount);
}

}  // namespace

void CollectPods(FlightContext& flight, ShipRecord& ship) {
  if (ship.tractorTimer != 0) return;
  CursorList<FloatingObjectRecord>& objects = flight.world.visit.floatingObjects;
  // The pods are chosen first and then taken one by one: removing the list's first record in a
  // walk would make the walk pass over the record after it, and a pod in reach stay behind.
  std::vector<const FloatingObjectRecord*> caught;
  for (const FloatingObjectRecord& pod : objects) {
    if (pod.type <= 2000) continue;
    if (RoundedDistance(pod.x, pod.y, ship.x, ship.y) < 1000) caught.push_back(&pod);
  }
  for (const FloatingObjectRecord* pod : caught) {
    if (pod->type == kWeaponPod) {
      ship.weapons.resize(ship.weapons.size() / kFieldWidth * kFieldWidth);
      ship.weapons += ShipField(pod->item, 0);
    } else {
      StowCargo(ship.cargo, pod->item, pod->amount);
    }
    if (objects.MakeCurrent(pod)) objects.DeleteCurrent();
  }
}
