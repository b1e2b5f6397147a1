// Route traffic in the sample universe.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "flight_fixture.h"
#include "formats/group_catalogue.h"
#include "formats/ship_catalogue.h"
#include "game/flight/traffic.h"
#include "game/shell/frame_loop.h"
#include "game/world/geometry.h"
#include "game/world/waypoints.h"
#include "game/world/world_lists.h"

namespace {

class RouteTraffic : public testing::Test {
 protected:
  void SetUp() override {
    sample.StartInFlight();
    SeedRandom(sample.game->rng, 3);
  }
  // Spawns until a ship of the group appears (at most 200 tries); null when none does.
  const ShipRecord* SpawnOf(const std::string& group) {
    World& world = sample.game->world;
    const int index = GroupIndex(world.groups, group);
    FlightContext flight = FlightOf(*sample.game);
    for (int i = 0; i < 200; ++i) {
      const int before = world.ships.Count();
      SpawnOnRoute(flight);
      if (world.ships.Count() == before) continue;
      const ShipRecord* last = nullptr;
      for (const ShipRecord& ship : world.ships) last = &ship;
      if (last->group == index) return last;
    }
    return nullptr;
  }
  int TypeOf(const std::string& name) {
    return 2000 + ShipTypeIndex(sample.game->catalogues.ships, name);
  }
  SampleFlight sample;
};

TEST_F(RouteTraffic, ShipsAppearAtTheObjectNearestToTheirRouteAndFlyItsPoints) {
  World& world = sample.game->world;
  FlightContext flight = FlightOf(*sample.game);
  std::set<int> groups;
  for (int i = 0; i < 40; ++i) {
    const int id = world.nextObjectId + 10;
    SpawnOnRoute(flight);
    ASSERT_EQ(world.ships.Count(), i + 2);
    const ShipRecord* ship = nullptr;
    for (const ShipRecord& s : world.ships) ship = &s;
    EXPECT_EQ(ship->id, id);
    EXPECT_EQ(ship->controller, 0);
    EXPECT_EQ(ship->dockTarget, -1);
    EXPECT_EQ(ship->money, 1000);
    EXPECT_FLOAT_EQ(ship->shield, 100);
    EXPECT_GT(ship->orders.size(), 0u);
    EXPECT_EQ(ship->orders.size() % 25, 0u);
    bool onObject = false;
    for (const SystemObjectRecord& o : world.visit.systemObjects) {
      if (o.x == ship->x && o.y == ship->y && o.angle - 180 == ship->heading) onObject = true;
    }
    EXPECT_TRUE(onObject) << ship->x << " " << ship->y;
    groups.insert(ship->group);
  }
  EXPECT_EQ(groups.size(), 4u);  // Allianz, freie Haendler, Haendlerkoalition, Blacks

  // The pirates come in from the lane of Qemara, in Habichts, towards Station Wacht.
  const ShipRecord* pirate = SpawnOf("Die Blacks");
  ASSERT_NE(pirate, nullptr);
  EXPECT_EQ(pirate->type, TypeOf("Habicht"));
  EXPECT_FLOAT_EQ(pirate->x, 60160);
  EXPECT_FLOAT_EQ(pirate->y, 86000);
  EXPECT_FLOAT_EQ(pirate->heading, -270);
  QueuedWaypoint head;
  ASSERT_TRUE(HeadWaypoint(pirate->orders, head));
  EXPECT_EQ(head.x, 60160);
  EXPECT_EQ(head.y, 84000);
  EXPECT_EQ(head.kind, 2);
  EXPECT_EQ(pirate->orders.size(), 6u * 25);
  EXPECT_EQ(pirate->orders.substr(125), WaypointRecord(20870, 40000, 4));
}

TEST_F(RouteTraffic, BountyHuntersFlyKrebsOnlyInAlpha23) {
  World& world = sample.game->world;
  world.visit.currentSystemFolder = "Alpha 23";
  const ShipRecord* hunter = SpawnOf("Die Kopfgeldj\xE4ger");
  ASSERT_NE(hunter, nullptr);
  EXPECT_EQ(hunter->type, TypeOf("Krebs"));
  world.visit.currentSystemFolder = "Glutnebel";
  hunter = SpawnOf("Die Kopfgeldj\xE4ger");
  ASSERT_NE(hunter, nullptr);
  EXPECT_EQ(hunter->type, TypeOf("Schwalbe"));
}

TEST_F(RouteTraffic, AboutOneShipIn201FramesAndNoneInANetworkGame) {
  World& world = sample.game->world;
  FlightContext flight = FlightOf(*sample.game);
  world.visit.trafficSeeded = true;  // the chance alone
  for (int i = 0; i < 2010; ++i) SpawnRouteTraffic(flight);
  const int spawned = world.ships.Count() - 1;
  EXPECT_GE(spawned, 3);
  EXPECT_LE(spawned, 20);
  world.networkGame = 1;
  for (int i = 0; i < 2010; ++i) SpawnRouteTraffic(flight);
  EXPECT_EQ(world.ships.Count() - 1, spawned);
  // A system without a route file spawns nothing.
  world.networkGame = 0;
  world.visit.currentSystemFolder = "Nirgendwo";
  for (int i = 0; i < 2010; ++i) SpawnRouteTraffic(flight);
  EXPECT_EQ(world.ships.Count() - 1, spawned);
}

TEST_F(RouteTraffic, ASystemHasItsTrafficOnArrivalAndAgainAfterAJump) {
  World& world = sample.game->world;
  sample.Run(1);
  ASSERT_GE(world.ships.Count(), 5);
  // The ships fly their routes at full speed towards their next point; some are far out.
  int farOut = 0;
  for (const ShipRecord& ship : world.ships) {
    if (&ship == world.ships.Front()) continue;
    EXPECT_EQ(ship.dockTarget, -1);
    QueuedWaypoint head;
    if (!HeadWaypoint(ship.orders, head)) continue;
    EXPECT_FLOAT_EQ(ship.speed, ship.maxSpeed);
    const float bearing = BearingDeg(head.x - ship.x, head.y - ship.y);
    EXPECT_NEAR(WrapTurn(bearing - ship.heading), 0, 5) << ship.x << " " << ship.y;
    float nearest = 1e9f;
    for (const SystemObjectRecord& o : world.visit.systemObjects) {
      nearest = std::min(nearest, RoundedDistance(o.x, o.y, ship.x, ship.y));
    }
    if (nearest > 3000) ++farOut;
  }
  EXPECT_GE(farOut, 2);

  // Entering a system (a jump, U, a load) drops the computer ships and seeds anew.
  world.systemChangePending = 1;
  sample.Run(2);
  EXPECT_GE(world.ships.Count(), 5);

  // A network game has no route traffic, on arrival neither.
  world.networkGame = 1;
  world.systemChangePending = 1;
  sample.Run(2);
  EXPECT_EQ(world.ships.Count(), 1);
}

}  // namespace
