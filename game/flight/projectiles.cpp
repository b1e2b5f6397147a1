#include "game/flight/projectiles.h"

#include <cmath>
#include <vector>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "game/flight/emitters.h"
#include "game/flight/ship_damage.h"
#include "game/flight/ship_grid.h"
#include "game/flight/sprites.h"
#include "game/world/attitudes.h"
#include "game/world/geometry.h"

namespace {

constexpr int kFieldMine = kPictureMine;
constexpr int kRocketKind = 7;
constexpr int kPlayerGroup = 0;

bool IsSpent(const ProjectileRecord& p) {
  return p.travelled >= p.range;
}

// Homing shots, whoever fired them, turn towards the local player's selection.
void Home(FlightContext& flight, ProjectileRecord& p) {
  const int turn = RoundToInt(p.homing);
  if (turn <= 0 || RandomInt(flight.rng, 2) != 0) return;
  const int selected = flight.world.flight.selectedObject;
  for (const ShipRecord& ship : flight.world.ships) {
    if (ship.id != selected) continue;
    if (RoundedDistance(ship.x, ship.y, p.x, p.y) >= 10000) return;
    const float diff = WrapTurn(BearingDeg(ship.x - p.x, ship.y - p.y) - p.heading);
    if (diff > 0) p.heading += static_cast<float>(turn);
    if (diff < 0) p.heading -= static_cast<float>(turn);
    return;
  }
}

// The ships of one sub-step, walked in list order with the list's own cursor.
void TestEveryShip(FlightContext& flight, ProjectileRecord& p) {
  CursorList<ShipRecord>& ships = flight.world.ships;
  ships.Reset();
  while (ships.Next()) TouchShip(flight, p, *ships.Current());
}

// The same through the grid. A destroyed ship changes the list: the grid is built again and the
// walk goes on with the ships that followed it (a respawned local ship stays first).
void TestShipsNear(FlightContext& flight, ProjectileRecord& p, ShipGrid& grid,
                   std::vector<int>& near) {
  CursorList<ShipRecord>& ships = flight.world.ships;
  int from = 0;
  for (bool again = true; again;) {
    again = false;
    ShipsInBroadBox(grid, p.x, p.y, p.radius, from, near);
    for (const int index : near) {
      ShipRecord* ship = grid.ships[index];
      const bool first = ship == ships.Front();
      if (!TouchShip(flight, p, *ship)) continue;
      BuildShipGrid(grid, ships);
      from = index + (first ? 1 : 0);
      again = true;
      break;
    }
  }
}

struct Search {
  ShipSearch how;
  ShipGrid grid;
  std::vector<int> near;
};

// The flight of one frame in sub-steps short enough to meet every ship on the way. The count and
// the distance flown go by the speed's size, so that a mine laid at a speed below 0 (it drifts
// backwards) still flies its range and ends.
void Fly(FlightContext& flight, ProjectileRecord& p, bool inView, Search& search) {
  const float size = std::fabs(p.speed);
  const int steps = RoundToInt(size * 0.1) + 1;
  p.travelled += RoundToInt(size);
  const float dx = static_cast<float>(CosDeg(p.heading) * p.speed / steps);
  const float dy = static_cast<float>(SinDeg(p.heading) * p.speed / steps);
  const float timeFactor = flight.frame.timeFactor;
  for (int i = 0; i < steps; ++i) {
    p.x += dx * timeFactor;
    p.y += dy * timeFactor;
    if (inView && p.sprite != kFieldMine) EmitTrail(flight, p);
    if (search.how == ShipSearch::kGrid) {
      TestShipsNear(flight, p, search.grid, search.near);
    } else {
      TestEveryShip(flight, p);
    }
    if (IsSpent(p)) break;
  }
}

// Near the camera a projectile also meets drifting bodies (which burst) and stations, planets and
// suns (which stop it).
void MeetBodies(FlightContext& flight, ProjectileRecord& p) {
  CursorList<FloatingObjectRecord>& objects = flight.world.visit.floatingObjects;
  objects.Reset();
  while (objects.Next()) {
    const FloatingObjectRecord& f = *objects.Current();
    const float reach = 2 * f.radius;
    if (!InBox(f.x, f.y, p.x, p.y, reach)) continue;
    if (RoundedDistance(f.x, f.y, p.x, p.y) >= reach) continue;
    p.travelled = p.range;
    EmitBurst(flight, f.x, f.y, IsRockFragment(f.type) ? 14 : 11);
    objects.DeleteCurrent();
  }
  for (const SystemObjectRecord& o : flight.world.visit.systemObjects) {
    if (!IsBody(o.type)) continue;
    if (!InBox(o.x, o.y, p.x, p.y, 2 * o.radius)) continue;
    if (RoundedDistance(o.x, o.y, p.x, p.y) < 0.9f * o.radius) p.travelled = p.range;
  }
}

void Draw(FlightContext& flight, const ProjectileRecord& p) {
  const World& world = flight.world;
  ViewPoint view;
  if (!ViewTransform(world, p.x, p.y, 800, view)) return;
  DrawSprite(flight.media, p.sprite, 2 * p.radius, SpriteRotation(p.heading, world.playerHeading),
             view.viewOffsetX - p.radius + kShipScreenX, view.viewOffsetY - p.radius + kShipScreenY,
             255);
}

}  // namespace

bool TouchShip(FlightContext& flight, ProjectileRecord& p, ShipRecord& ship) {
  if (p.ownerId == ship.id || !InBroadBox(ship, p.x, p.y, p.radius)) return false;
  // Passing close is provocation enough. Players' ships stay in the players' group: another
  // player's shot must not turn a player into an enemy of everyone's group 0.
  if (p.ownerGroup == kPlayerGroup && ship.group < kAngeredGroupOffset && ship.controller == 0) {
    ship.group += kAngeredGroupOffset;
  }
  const float d = RoundedDistance(ship.x, ship.y, p.x, p.y);
  if (ship.shield > 0) {
    if (d >= 1.3f * ship.radius + p.radius) return false;
    p.travelled = p.range;
    DamageShield(ship, static_cast<float>(p.shieldDamage));
    AddShieldImpact(ship, BearingDeg(p.x - ship.x, p.y - ship.y));
    return false;
  }
  if (d >= 0.9f * ship.radius + p.radius) return false;
  p.travelled = p.range;
  ship.hull -= static_cast<float>(p.hullDamage);
  if (ship.hull > 0) return false;
  if (p.ownerGroup == kPlayerGroup) CountKillByPlayer(flight.world, ship.group);
  DestroyShip(flight, ship);
  return true;
}

void RunProjectiles(FlightContext& flight, ShipSearch how) {
  World& world = flight.world;
  Search search{how, {}, {}};
  if (how == ShipSearch::kGrid) BuildShipGrid(search.grid, world.ships);
  CursorList<ProjectileRecord>& projectiles = world.visit.projectiles;
  projectiles.Reset();
  while (projectiles.Next()) {
    ProjectileRecord& p = *projectiles.Current();
    const bool inView = InBox(p.x, p.y, world.cameraX, world.cameraY, 1000);
    // Mines of the fields lie in wait until the camera comes near.
    if (p.sprite == kFieldMine && !inView) continue;
    Home(flight, p);
    Fly(flight, p, inView, search);
    if (inView) {
      MeetBodies(flight, p);
      if (flight.drawing) Draw(flight, p);
    }
    if (!IsSpent(p)) continue;
    if (p.sprite == kFieldMine || p.kind == kRocketKind) EmitProjectileExplosion(flight, p.x, p.y);
    projectiles.DeleteCurrent();
  }
}
