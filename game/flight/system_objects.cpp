#include "game/flight/system_objects.h"

#include <algorithm>
#include <vector>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "game/flight/emitters.h"
#include "game/flight/ship_damage.h"
#include "game/world/geometry.h"

namespace {

// Radiation fields, stations, planets and suns touch ships; lanes and rings are flown through.
bool IsSolid(int type) {
  return type == kObjectRadiationField || IsStation(type) || IsPlanet(type) || IsSun(type);
}

bool IsLocal(const FlightContext& flight, const ShipRecord& ship) {
  return ship.controller == flight.world.localPlayerNumber;
}

// The hull takes the damage; false when the ship was destroyed and removed.
bool Burn(FlightContext& flight, ShipRecord& ship, float damage) {
  ship.hull -= damage;
  if (ship.hull > 0) return true;
  return !DestroyShip(flight, ship);
}

// A station's hull is hard: contact wears the shield (or, when it is down, the hull), and the
// ship is pushed back out to the station's edge.
bool HitStation(FlightContext& flight, const SystemObjectRecord& o, ShipRecord& ship, float d,
                float reach) {
  if (ship.shield <= 0) {
    if (!Burn(flight, ship, ship.speed / 20)) return false;
  } else {
    DamageShield(ship, ship.speed / 40);
    if (RandomInt(flight.rng, 10) == 1) {
      AddShieldImpact(ship, BearingDeg(o.x - ship.x, o.y - ship.y));
    }
  }
  const float away = BearingDeg(ship.x - o.x, ship.y - o.y);
  const int push = RoundToInt(reach - d);
  ship.x += static_cast<float>(push * CosDeg(away));
  ship.y += static_cast<float>(push * SinDeg(away));
  return true;
}

void CollideWithShips(FlightContext& flight, const SystemObjectRecord& object) {
  CursorList<ShipRecord>& ships = flight.world.ships;
  ships.Reset();
  while (ships.Next()) {
    ShipRecord& ship = *ships.Current();
    const float box = 4 * ship.radius + 2 * object.radius;
    if (std::fabs(object.x - ship.x) > box || std::fabs(object.y - ship.y) > box) continue;
    CollideShip(flight, object, ship);
  }
}

}  // namespace

float BurningReach(int type, float reach) {
  return (IsSun(type) ? 1.5f : 1.05f) * reach;
}

bool CollideShip(FlightContext& flight, const SystemObjectRecord& o, ShipRecord& ship) {
  // A ship at the very centre is a whole unit away, so that the damage stays finite.
  const float d = std::max(RoundedDistance(o.x, o.y, ship.x, ship.y), 1.0f);
  const float reach = o.radius + ship.radius;
  const bool local = IsLocal(flight, ship);
  if (IsPlanet(o.type) || IsSun(o.type)) {
    if (d < kCrushingShare * reach) return !DestroyShip(flight, ship);
    const float burning = BurningReach(o.type, reach);
    if (d >= burning) return true;
    if (local) flight.world.flight.heatWarning = 1;
    return Burn(flight, ship, (burning - d) / d);
  }
  if (d >= reach) return true;
  if (o.type == 4000) {
    if (local) flight.world.flight.fieldWarning = 1;
    return Burn(flight, ship, (reach - d) / d);
  }
  if (IsStation(o.type)) return HitStation(flight, o, ship, d, reach);
  return true;
}

void RunSystemObjects(FlightContext& flight) {
  World& world = flight.world;
  world.flight.heatWarning = 0;
  world.flight.fieldWarning = 0;
  world.flight.objectsNearby = 0;
  std::vector<int> targets;
  for (const ShipRecord& ship : world.ships) {
    if (ship.dockTarget != -1) targets.push_back(ship.dockTarget);
  }
  CursorList<SystemObjectRecord>& objects = world.visit.systemObjects;
  objects.Reset();
  while (objects.Next()) {
    SystemObjectRecord& o = *objects.Current();
    if (IsPlanet(o.type)) o.angle += o.spin * flight.frame.timeFactor;
    o.bound = std::find(targets.begin(), targets.end(), o.id) != targets.end() ? 1 : 0;
    if (o.bound && o.type < kObjectStation) EmitRoutePlasma(flight, o);
    if (IsSolid(o.type)) CollideWithShips(flight, o);
    DrawSystemObject(flight, o);
  }
}
