#include "game/flight/pickup.h"

#include <vector>

#include "formats/object_kinds.h"
#include "game/world/geometry.h"
#include "game/world/ship_records.h"

namespace {

constexpr int kWeaponPod = 3901;

}  // namespace

void CollectPods(FlightContext& flight, ShipRecord& ship) {
  if (ship.tractorTimer != 0) return;
  CursorList<FloatingObjectRecord>& objects = flight.world.visit.floatingObjects;
  // The pods are chosen first and then taken one by one: removing the list's first record in a
  // walk would make the walk pass over the record after it, and a pod in reach stay behind.
  std::vector<const FloatingObjectRecord*> caught;
  for (const FloatingObjectRecord& pod : objects) {
    if (!IsPod(pod.type)) continue;
    if (RoundedDistance(pod.x, pod.y, ship.x, ship.y) < 1000) caught.push_back(&pod);
  }
  for (const FloatingObjectRecord* pod : caught) {
    if (pod->type == kWeaponPod) {
      AppendRecord(ship.weapons, kShipRecordWidth, WeaponRecord(pod->item));
    } else {
      AddCargo(ship.cargo, pod->item, pod->amount);
    }
    if (objects.MakeCurrent(pod)) objects.DeleteCurrent();
  }
}
