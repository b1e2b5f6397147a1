// Other players' ships without a connection: what the server's messages do to the ship list and
// the ticker, how the ships follow their waypoints, where the server address comes from.

#include <gtest/gtest.h>

#include "formats/free_game.h"
#include "game/net/player_messages.h"
#include "game/net/server_address.h"
#include "game/world/remote_ships.h"
#include "game/world/system_loading.h"
#include "game/world/world_lists.h"
#include "game_fixture.h"
#include "universe_fixture.h"

namespace {

struct Players {
  World world;
  Catalogues catalogues;

  Players() {
    catalogues.ships.shipTypes.resize(3);
    catalogues.ships.shipTypeCount = 2;
    ShipRecord local;
    local.controller = 1;
    local.id = 10;
    AddShip(world.ships, local);
  }
  bool Handle(const NetMessage& message) { return HandlePlayerMessage(world, catalogues, message); }
  ShipRecord* ShipOf(int player) {
    for (ShipRecord& ship : world.ships) {
      if (ship.controller == player && &ship != world.ships.Front()) return &ship;
    }
    return nullptr;
  }
};

TEST(ServerAddress, HostAndPortFromTheEnvironmentText) {
  auto address = ParseServerAddress("");
  ASSERT_TRUE(address);
  EXPECT_EQ(address->host, "127.0.0.1");
  EXPECT_EQ(address->port, 7001);
  address = ParseServerAddress("spiel.example.org:7100");
  ASSERT_TRUE(address);
  EXPECT_EQ(address->host, "spiel.example.org");
  EXPECT_EQ(address->port, 7100);
  address = ParseServerAddress("192.168.1.20");
  ASSERT_TRUE(address);
  EXPECT_EQ(address->port, 7001);
  address = ParseServerAddress("[::1]:7002");
  ASSERT_TRUE(address);
  EXPECT_EQ(address->host, "::1");
  EXPECT_EQ(address->port, 7002);
  address = ParseServerAddress("fe80::1");
  ASSERT_TRUE(address);
  EXPECT_EQ(address->host, "fe80::1");
  for (const char* bad : {":7001", "host:", "host:0", "host:65536", "host:-1", "host:7o01", "[::1",
                          "[::1]7001", "a b:7001", "host:+7"}) {
    EXPECT_FALSE(ParseServerAddress(bad)) << bad;
  }
}

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

TEST(PlayerMessages, OneShipPerPlayerAddedBehindTheCursorsRecord) {
  Players p;
  p.world.ships.First();  // a menu works on the local ship as the current record
  p.Handle(NetPlayerJoins{4, "Eva"});
  p.Handle(NetPlayerJoins{4, "Eva"});
  p.Handle(NetPlayersPresent{{{4, "Eva"}, {5, "Finn"}}});
  EXPECT_EQ(p.world.ships.Count(), 3);
  EXPECT_EQ(p.world.ships.Current(), p.world.ships.Front());
  EXPECT_EQ(p.world.tickerMessages.Count(), 1);  // the repeated join is no news
  p.Handle(NetPlayerLeaves{4});
  EXPECT_EQ(p.world.ships.Current(), p.world.ships.Front());
  EXPECT_EQ(p.ShipOf(4), nullptr);
  ASSERT_NE(p.ShipOf(5), nullptr);
  p.Handle(NetPlayerLeaves{33});  // nobody seen: no line
  EXPECT_EQ(p.world.tickerMessages.Count(), 2);
}

TEST(PlayerMessages, MovementFromAHostileServerStaysInBounds) {
  Players p;
  p.Handle(NetPlayerJoins{4, "Eva"});
  p.Handle(NetPlayerMovement{4, {2999, 1000, 1000, -725, 900000, 15}});
  const ShipRecord& eva = *p.ShipOf(4);
  EXPECT_EQ(eva.type, 2001);  // no such ship type here: the picture stays
  EXPECT_FLOAT_EQ(eva.heading, 355);
  EXPECT_FLOAT_EQ(eva.turnRate, 45);
  p.Handle(NetPlayerMovement{4, {2002, 1050, 1000, INT32_MAX, INT32_MIN, 15}});
  EXPECT_EQ(eva.type, 2002);
  EXPECT_EQ(eva.x, 1000);  // 50 away: only a waypoint
  EXPECT_GE(eva.heading, 0);
  EXPECT_LT(eva.heading, 360);
  EXPECT_FLOAT_EQ(eva.turnRate, -45);
  EXPECT_EQ(eva.orders.size(), 50u);
}

TEST(PlayerMessages, TheTickerKeepsItsNewestLinesAndKnownColours) {
  Players p;
  for (int i = 0; i < 100; ++i) p.Handle(NetChatLine{30, "n", INT32_MIN, std::to_string(i)});
  EXPECT_EQ(p.world.tickerMessages.Count(), kMaxTickerLines);
  const TickerMessageRecord& last = *std::prev(p.world.tickerMessages.end());
  EXPECT_EQ(last.text2, "99");
  EXPECT_EQ(last.colour1, 30);
  EXPECT_EQ(last.colour2, 20);
  EXPECT_EQ(p.world.tickerMessages.Front()->text2, "60");
}

TEST(PlayerMessages, AServerCannotAddShipsWithoutEnd) {
  Players p;
  NetPlayersPresent crowd;
  for (int i = 2; i < 2 + 3 * kMaxRemoteShips; ++i) crowd.players.push_back({i, "x"});
  p.Handle(crowd);
  EXPECT_EQ(p.world.ships.Count(), 1 + kMaxRemoteShips);
  RemoveRemoteShips(p.world);
  EXPECT_EQ(p.world.ships.Count(), 1);
  p.world.nextObjectId = INT32_MAX - 5;  // after very many comings and goings
  p.Handle(NetPlayerJoins{4, "Eva"});
  EXPECT_EQ(p.world.ships.Count(), 1);
}

}  // namespace
