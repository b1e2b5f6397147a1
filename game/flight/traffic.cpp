#include "game/flight/traffic.h"

#include <cmath>
#include <filesystem>
#include <optional>

#include "formats/latin1.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "formats/route_file.h"
#include "game/flight/motion.h"
#include "game/flight/pilots.h"
#include "game/world/computer_ships.h"
#include "game/world/geometry.h"
#include "game/world/waypoints.h"

namespace {

// A ship's flight, as its pilot and drive see it: a fifth of the speed per frame.
constexpr double kUnitsPerSpeedAndFrame = 0.2;

// The system object nearest to the point (the first of equally near ones); null when there are
// none within 100000.
const SystemObjectRecord* NearestObject(const World& world, int x, int y) {
  const SystemObjectRecord* nearest = nullptr;
  float best = 100000;
  for (const SystemObjectRecord& o : world.visit.systemObjects) {
    const float d = Distance(RoundToInt(o.x), RoundToInt(o.y), x, y);
    if (d < best) {
      best = d;
      nearest = &o;
    }
  }
  return nearest;
}

// Read at every spawn: an author editing the routes sees them at the next ship. Empty without a
// file.
std::optional<RouteFile> CurrentRoutes(const FlightContext& flight) {
  const std::filesystem::path path = DataPath(
      flight.gameFolder, "INI\\" + flight.world.visit.currentSystemFolder + "\\Routen.ini");
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  return LoadRoutes(path, RouteReadMode::kGame);
}

// The ship a spawn puts on a route drawn from the file; none when the file holds no such route.
std::optional<ShipRecord> ShipOnRoute(FlightContext& flight, const RouteFile& file) {
  World& world = flight.world;
  SystemVisit& visit = world.visit;
  const int k = 1 + RandomInt(flight.rng, file.declaredCount - 1);
  if (k < 1 || k > static_cast<int>(file.routes.size())) return std::nullopt;
  const RouteRecord& route = file.routes[k - 1];

  world.nextObjectId += 10;
  TakeLoadout(world.lastLoadout, route.groupName, visit.currentSystemFolder, flight.catalogues,
              flight.rng);
  // The route's first line only says where the ship appears: at the object nearest to it, facing
  // away from the object's own direction.
  const Waypoint reference = route.waypoints.empty() ? Waypoint{} : route.waypoints.front();
  const SystemObjectRecord* place =
      NearestObject(world, reference.x + visit.currentSystemX, reference.y + visit.currentSystemY);
  if (!place) return std::nullopt;
  ShipRecord ship = MakeComputerShip(world, flight.catalogues, world.lastLoadout,
                                     GroupIndex(world.groups, route.groupName), place->x, place->y,
                                     place->angle - 180);
  for (size_t i = 1; i < route.waypoints.size(); ++i) {
    const Waypoint& w = route.waypoints[i];
    ship.orders += WaypointRecord(w.x + visit.currentSystemX, w.y + visit.currentSystemY, w.kind);
  }
  return ship;
}

// The exit of the lane whose entry binds a ship docking at the point, when that lane runs inside
// the system; null for a ring, a lane out of the system or nothing in reach. A lane's markers
// share one id.
const SystemObjectRecord* InnerLaneExitAt(const World& world, float x, float y) {
  const SystemObjectRecord* entry = nullptr;
  for (const SystemObjectRecord& o : world.visit.systemObjects) {
    if (IsDockable(o.type) && RoundedDistance(o.x, o.y, x, y) < kDockingReach) entry = &o;
  }
  if (!entry || !IsLaneEntry(entry->type) || LeadsToAnotherSystem(LaneLevelOf(entry->type))) {
    return nullptr;
  }
  for (const SystemObjectRecord& o : world.visit.systemObjects) {
    if (o.id == entry->id && IsLaneExit(o.type)) return &o;
  }
  return nullptr;
}

// Flies the ship `frames` frames ahead along its orders at full speed; false when it would have
// docked or left the system by then. Turns and the drive's build-up are left out: the place is
// what a player sees, not a replay.
bool FlyAhead(const World& world, ShipRecord& ship, double frames) {
  const double step = ship.maxSpeed * kUnitsPerSpeedAndFrame;
  QueuedWaypoint head;
  while (frames > 0 && step > 0 && HeadWaypoint(ship.orders, head)) {
    const double dx = head.x - ship.x;
    const double dy = head.y - ship.y;
    const double legFrames = std::hypot(dx, dy) / step;
    ship.heading = BearingDeg(static_cast<float>(dx), static_cast<float>(dy));
    ship.speed = ship.maxSpeed;
    if (legFrames > frames) {
      ship.x += static_cast<float>(dx * frames / legFrames);
      ship.y += static_cast<float>(dy * frames / legFrames);
      return true;
    }
    frames -= legFrames;
    ship.x = static_cast<float>(head.x);
    ship.y = static_cast<float>(head.y);
    DropHeadWaypoint(ship.orders);
    if (head.kind <= 2) continue;
    const SystemObjectRecord* exit =
        head.kind == 3 ? InnerLaneExitAt(world, ship.x, ship.y) : nullptr;
    if (!exit) return false;
    frames -= RoundedDistance(exit->x, exit->y, ship.x, ship.y) /
              (LaneDriveCap(LaneLevelOf(exit->type)) * kUnitsPerSpeedAndFrame);
    ship.x = exit->x;
    ship.y = exit->y;
  }
  return true;
}

}  // namespace

void SpawnRouteTraffic(FlightContext& flight) {
  World& world = flight.world;
  if (world.networkGame) return;
  if (!world.visit.trafficSeeded) {
    world.visit.trafficSeeded = true;
    SeedArrivalTraffic(flight);
  }
  if (RandomInt(flight.rng, 200) != 1) return;
  SpawnOnRoute(flight);
}

void SeedArrivalTraffic(FlightContext& flight) {
  const std::optional<RouteFile> file = CurrentRoutes(flight);
  if (!file) return;
  for (int age = kArrivalSeedFrames; age > 0; --age) {
    if (RandomInt(flight.rng, 200) != 1) continue;
    std::optional<ShipRecord> ship = ShipOnRoute(flight, *file);
    if (ship && FlyAhead(flight.world, *ship, age)) AppendShip(flight.world, std::move(*ship));
  }
}

void SpawnOnRoute(FlightContext& flight) {
  const std::optional<RouteFile> file = CurrentRoutes(flight);
  if (!file) return;
  if (std::optional<ShipRecord> ship = ShipOnRoute(flight, *file)) {
    AppendShip(flight.world, std::move(*ship));
  }
}
