#include "game/flight/pickup.h"

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
  objects.Reset();
  while (objects.Next()) {
    const FloatingObjectRecord& pod = *objects.Current();
    if (pod.type <= 2000) continue;
    if (RoundedDistance(pod.x, pod.y, ship.x, ship.y) >= 1000) continue;
    if (pod.type == kWeaponPod) {
      ship.weapons.resize(ship.weapons.size() / kFieldWidth * kFieldWidth);
      ship.weapons += ShipField(pod.item, 0);
    } else {
      StowCargo(ship.cargo, pod.item, pod.amount);
    }
    objects.DeleteCurrent();
  }
}
