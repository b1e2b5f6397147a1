// Other players' ships as the world keeps them: their waypoints, how they follow them, and that
// entering a system keeps them.

#include "game/world/remote_ships.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/world/system_loading.h"
#include "game/world/world_lists.h"
#include "tests/game/support/fixture_files.h"
#include "tests/game/support/universe_fixture.h"

namespace {

TEST(RemoteShips, WaypointsQueueFiveAndFitTheirColumns) {
  ShipRecord ship;
  for (int i = 1; i <= 6; ++i) AppendRemoteWaypoint(ship, i * 100, -i, 30);
  EXPECT_EQ(ship.orders.size(), 125u);
  EXPECT_EQ(ship.orders.substr(0, 25), "       200        -2   30");  // the first was dropped
  ShipRecord wild;
  AppendRemoteWaypoint(wild, INT32_MIN, INT32_MAX, INT32_MAX);
  AppendRemoteWaypoint(wild, 0, 0, -5);
  EXPECT_EQ(wild.orders, "-999999999 99999999999999         0         0    0");
}

TEST(RemoteShips, FollowTheHeadWaypointNeverPastItAndDropItOnArrival) {
  ShipRecord ship;
  FollowRemoteOrders(ship);  // nothing queued: it stays
  EXPECT_EQ(ship.x, 0);
  AppendRemoteWaypoint(ship, 100, 0, 49);  // (49 + 1) x 0.2 = 10 a frame
  AppendRemoteWaypoint(ship, 100, 100, 4000);
  FollowRemoteOrders(ship);
  EXPECT_FLOAT_EQ(ship.x, 10);
  EXPECT_NEAR(ship.y, 0, 1e-3);
  for (int frame = 0; frame < 9; ++frame) FollowRemoteOrders(ship);
  EXPECT_NEAR(ship.x, 100, 1e-3);
  EXPECT_EQ(ship.orders.size(), 50u);
  FollowRemoteOrders(ship);  // within 5: the waypoint is done
  EXPECT_EQ(ship.orders.size(), 25u);
  FollowRemoteOrders(ship);  // 800 a frame would overshoot: it stops on the waypoint
  EXPECT_NEAR(ship.x, 100, 1e-3);
  EXPECT_NEAR(ship.y, 100, 1e-3);
  FollowRemoteOrders(ship);
  EXPECT_TRUE(ship.orders.empty());
}

TEST(RemoteShips, EnteringASystemKeepsOtherPlayersButNotComputerShips) {
  FixtureFolder folder;
  WriteUniverseFixture(folder.path);
  World world;
  Rng rng;
  for (int controller : {1, 0, 7, 0, 8}) {
    ShipRecord ship;
    ship.controller = controller;
    world.ships.Reset();
    while (world.ships.Next()) {
    }
    AddShip(world.ships, ship);
  }
  EnterSystem(world, SystemContext{rng, folder.path});
  std::vector<int> controllers;
  for (const ShipRecord& ship : world.ships) controllers.push_back(ship.controller);
  EXPECT_EQ(controllers, (std::vector<int>{1, 7, 8}));
  EXPECT_EQ(world.ships.Current(), world.ships.Front());
}

}  // namespace
