#include "game/flight/traffic.h"

#include <filesystem>

#include "formats/latin1.h"
#include "formats/rounding.h"
#include "formats/route_file.h"
#include "game/world/computer_ships.h"
#include "game/world/geometry.h"
#include "game/world/waypoints.h"

namespace {

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

}  // namespace

void SpawnRouteTraffic(FlightContext& flight) {
  World& world = flight.world;
  if (world.networkGame) return;
  if (RandomInt(flight.rng, 200) != 1) return;
  SpawnOnRoute(flight);
}

void SpawnOnRoute(FlightContext& flight) {
  World& world = flight.world;
  SystemVisit& visit = world.visit;
  // Read at every spawn: an author editing the routes sees them at the next ship.
  const std::filesystem::path path =
      DataPath(flight.gameFolder, "INI\\" + visit.currentSystemFolder + "\\Routen.ini");
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return;
  const RouteFile file = LoadRoutes(path, RouteReadMode::kGame);
  const int k = 1 + RandomInt(flight.rng, file.declaredCount - 1);
  if (k < 1 || k > static_cast<int>(file.routes.size())) return;
  const RouteRecord& route = file.routes[k - 1];

  world.nextObjectId += 10;
  TakeLoadout(world.lastLoadout, route.groupName, visit.currentSystemFolder, flight.catalogues,
              flight.rng);
  // The route's first line only says where the ship appears: at the object nearest to it, facing
  // away from the object's own direction.
  const Waypoint reference = route.waypoints.empty() ? Waypoint{} : route.waypoints.front();
  const SystemObjectRecord* place =
      NearestObject(world, reference.x + visit.currentSystemX, reference.y + visit.currentSystemY);
  if (!place) return;
  ShipRecord ship = MakeComputerShip(world, flight.catalogues, world.lastLoadout,
                                     GroupIndex(world.groups, route.groupName), place->x, place->y,
                                     place->angle - 180);
  for (size_t i = 1; i < route.waypoints.size(); ++i) {
    const Waypoint& w = route.waypoints[i];
    ship.orders += WaypointRecord(w.x + visit.currentSystemX, w.y + visit.currentSystemY, w.kind);
  }
  AppendShip(world, std::move(ship));
}
