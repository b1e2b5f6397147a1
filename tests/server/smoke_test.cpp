// A few players flying and talking for a few seconds: every message reaches every other player,
// in order.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

#include "tests/server/server_fixture.h"

namespace {

constexpr int kPlayers = 4;
constexpr int kMovesEach = 100;  // two seconds at 50 a second
constexpr int kChatsEach = 4;

struct Player {
  TestClient client;
  int number = 0;
  std::map<int, int> nextMove;  // player number -> next sequence number expected
  int chats = 0;
  int outOfOrder = 0;
};

void Take(Player& player) {
  for (NetMessage& message : player.client.queued) {
    if (const auto* move = std::get_if<NetPlayerMovement>(&message)) {
      int& expected = player.nextMove[move->playerNumber];
      if (move->movement.x != expected) ++player.outOfOrder;
      expected = move->movement.x + 1;
    } else if (std::holds_alternative<NetChatLine>(message)) {
      ++player.chats;
    }
  }
  player.client.queued.clear();
}

bool AllArrived(const std::vector<std::unique_ptr<Player>>& players) {
  for (const auto& player : players) {
    if (player->chats < kPlayers * kChatsEach) return false;
    for (const auto& other : players) {
      if (other != player && player->nextMove[other->number] < kMovesEach) return false;
    }
  }
  return true;
}

}  // namespace

TEST(ServerSmoke, AFewPlayersForAFewSecondsLoseNothing) {
  TempFolder scratch{"server"};
  WriteServerGameFolder(scratch.path / "game");
  std::unique_ptr<TestServer> server =
      StartTestServer(scratch.path / "game", scratch.path / "server.db");
  ASSERT_TRUE(server);
  std::vector<std::unique_ptr<Player>> players;
  for (int i = 0; i < kPlayers; ++i) {
    auto player = std::make_unique<Player>();
    ASSERT_TRUE(ConnectTestClient(player->client, server->port));
    const std::string account = NewAccount(player->client);
    const std::string name = "Pilot " + std::to_string(i);
    SendMessage(player->client, NetCreateCharacter{account, name});
    ASSERT_TRUE(ReceiveAs<NetCharacterList>(player->client));
    SendMessage(player->client, NetJoin{account, name});
    ASSERT_TRUE(ReceiveAs<NetFile>(player->client));
    ASSERT_TRUE(ReceiveAs<NetPlayersPresent>(player->client));
    player->number = 2 + i;
    players.push_back(std::move(player));
  }
  for (auto& player : players) {  // the joins of those who came later
    DrainAvailable(player->client);
    player->client.queued.clear();
  }

  for (int step = 0; step < kMovesEach; ++step) {
    for (auto& player : players) {
      SendMessage(player->client, NetMovement{2001, step, player->number, 90, 0, 5});
      if (step % (kMovesEach / kChatsEach) == 0) {
        SendMessage(player->client, NetChat{"Schritt " + std::to_string(step)});
      }
      DrainAvailable(player->client);
      Take(*player);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!AllArrived(players) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    for (auto& player : players) {
      DrainAvailable(player->client);
      Take(*player);
    }
  }
  for (const auto& player : players) {
    EXPECT_EQ(player->outOfOrder, 0);
    EXPECT_EQ(player->chats, kPlayers * kChatsEach);
    for (const auto& other : players) {
      if (other == player) {
        EXPECT_EQ(player->nextMove.count(player->number), 0u) << "own movement came back";
      } else {
        EXPECT_EQ(player->nextMove[other->number], kMovesEach);
      }
    }
  }
}
