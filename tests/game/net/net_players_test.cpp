// Other players' ships without a connection: what the server's messages do to the ship list and
// the ticker, where the server address comes from.

#include <gtest/gtest.h>

#include "formats/free_game.h"
#include "game/net/player_messages.h"
#include "game/net/server_address.h"
#include "game/world/world_lists.h"

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
  EXPECT_EQ(eva.x, 1000);  // 50 away: blended in over the next frames, not jumped
  EXPECT_GE(eva.heading, 0);
  EXPECT_LT(eva.heading, 360);
  EXPECT_FLOAT_EQ(eva.turnRate, -45);
  p.Handle(NetPlayerMovement{4, {2002, 9000, -7000, 0, 0, 0}});  // a jump in the sender's game
  EXPECT_EQ(eva.x, 9000);
  EXPECT_EQ(eva.y, -7000);
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
