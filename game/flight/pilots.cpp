#include "game/flight/pilots.h"

#include <algorithm>
#include <cmath>

#include "formats/group_catalogue.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "game/flight/weapons.h"
#include "game/world/geometry.h"
#include "game/world/waypoints.h"

namespace {

constexpr float kSearchRange = 3000;
constexpr float kFiringRange = 1000;
constexpr float kWaypointReached = 200;

// Turns towards the point, harder the nearer it is up to 4 a frame, and keeps the speed up,
// braking in turns that its top speed would make too wide.
void SteerTo(ShipRecord& ship, float diff, float d) {
  const float step = d / 50 >= 4 ? 4.0f : static_cast<float>(RoundToInt(d / 50));
  if (diff > 0) ship.turnRate += step;
  if (diff < 0) ship.turnRate -= step;
  ship.turnRate = std::clamp(ship.turnRate, -kMaxTurnRate, kMaxTurnRate);
  const float off = std::fabs(diff);
  if (ship.speed < ship.maxSpeed) ship.speed += 2;
  if (off > 10 && d > 50 && ship.speed > ship.maxSpeed - off && ship.speed > 0) ship.speed -= 4;
  if (off > 100 && ship.speed < ship.maxSpeed) ship.speed += 4;
}

// A waypoint that asks for docking binds the ship to the last ring or lane entry within 500.
void DockNearby(const World& world, ShipRecord& ship) {
  for (const SystemObjectRecord& o : world.visit.systemObjects) {
    if (!IsDockable(o.type)) continue;
    if (RoundedDistance(o.x, o.y, ship.x, ship.y) < kDockingReach) ship.dockTarget = o.id;
  }
}

}  // namespace

const ShipRecord* FindTarget(const World& world, const ShipRecord& ship) {
  const ShipRecord* target = nullptr;
  float best = kSearchRange;
  // Distances between whole units, as Distance takes them; the root is drawn only for a ship
  // that may be nearer than the best so far (a battle asks this of every pair of ships).
  const double x = RoundToInt(ship.x);
  const double y = RoundToInt(ship.y);
  for (const ShipRecord& other : world.ships) {
    if (other.id == ship.id) continue;
    // A ship more than 3000.5 off in one axis is 3000 or more away in whole units.
    if (std::fabs(other.x - ship.x) > kSearchRange + 1 ||
        std::fabs(other.y - ship.y) > kSearchRange + 1) {
      continue;
    }
    if (GroupRelation(world.groups, ship.group, other.group) > -0.5f) continue;
    const double dx = RoundToInt(other.x) - x;
    const double dy = RoundToInt(other.y) - y;
    const double squared = dx * dx + dy * dy;
    if (squared >= (double(best) + 1) * (double(best) + 1)) continue;
    const float d = static_cast<float>(std::sqrt(squared));
    if (d < best) {
      best = d;
      target = &other;
    }
  }
  return target;
}

void RunComputerPilot(FlightContext& flight, ShipRecord& ship) {
  const ShipRecord* target = ship.dockTarget == -1 ? FindTarget(flight.world, ship) : nullptr;
  QueuedWaypoint head;
  float x = 0;
  float y = 0;
  if (target) {
    x = target->x;
    y = target->y;
  } else if (ship.dockTarget == -1 && HeadWaypoint(ship.orders, head)) {
    x = static_cast<float>(head.x);
    y = static_cast<float>(head.y);
  } else {
    // Nothing to hunt and nowhere to go (or bound to a ring or lane): coasting to a stop.
    if (ship.speed > 0) ship.speed -= 1;
    return;
  }
  const float d = RoundedDistance(x, y, ship.x, ship.y);
  const float diff = WrapTurn(BearingDeg(x - ship.x, y - ship.y) - ship.heading);
  SteerTo(ship, diff, d);
  if (target) {
    if (d < kFiringRange && std::fabs(diff) < 20) FireComputerWeapons(flight, ship, diff);
    return;
  }
  if (d >= kWaypointReached) return;
  if (head.kind > 2) DockNearby(flight.world, ship);
  DropHeadWaypoint(ship.orders);
}
