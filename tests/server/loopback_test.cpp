// The server on a loopback port with simulated game clients speaking through the codec.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/server/server_fixture.h"

namespace {

struct LoopbackTest : testing::Test {
  TempFolder scratch{"server"};
  std::filesystem::path game = scratch.path / "game";
  std::filesystem::path database = scratch.path / "server.db";

  LoopbackTest() { WriteServerGameFolder(game); }
};

// Connects, makes an account and a character and joins with it; returns the account id.
std::string JoinAs(TestClient& client, int port, const std::string& name) {
  EXPECT_TRUE(ConnectTestClient(client, port));
  const std::string account = NewAccount(client);
  SendMessage(client, NetCreateCharacter{account, name});
  const std::optional<NetCharacterList> list = ReceiveAs<NetCharacterList>(client);
  EXPECT_TRUE(list && list->names == std::vector<std::string>{name});
  SendMessage(client, NetJoin{account, name});
  return account;
}

}  // namespace

TEST_F(LoopbackTest, TwoPlayersMeetMoveChatAndReturnTheirGames) {
  std::unique_ptr<TestServer> server = StartTestServer(game, database);
  ASSERT_TRUE(server);
  const std::string templateGame = MakeSaveGame(kFixtureShape, 10000);

  TestClient kira;
  const std::string kiraAccount = JoinAs(kira, server->port, "Kira");
  std::optional<NetFile> file = ReceiveAs<NetFile>(kira);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->bytes, templateGame);
  EXPECT_EQ(ReceiveAs<NetPlayersPresent>(kira), NetPlayersPresent{});

  TestClient jo;
  JoinAs(jo, server->port, "Jo");
  EXPECT_TRUE(ReceiveAs<NetFile>(jo));
  EXPECT_EQ(ReceiveAs<NetPlayersPresent>(jo), (NetPlayersPresent{{{2, "Kira"}}}));
  EXPECT_EQ(ReceiveAs<NetPlayerJoins>(kira), (NetPlayerJoins{3, "Jo"}));

  const NetMovement kiraMoves{2001, 45100, 79200, 265, 2500, 7};
  const NetMovement joMoves{2003, -10, 20, 90, -1000, 0};
  SendMessage(kira, kiraMoves);
  SendMessage(jo, joMoves);
  EXPECT_EQ(ReceiveAs<NetPlayerMovement>(jo), (NetPlayerMovement{2, kiraMoves}));
  EXPECT_EQ(ReceiveAs<NetPlayerMovement>(kira), (NetPlayerMovement{3, joMoves}));

  SendMessage(jo, NetChat{"Gr\xFC\xDF"
                          "e!"});
  const NetChatLine line{30, "Jo: ", 20,
                         "Gr\xFC\xDF"
                         "e!"};
  EXPECT_EQ(ReceiveAs<NetChatLine>(kira), line);
  EXPECT_EQ(ReceiveAs<NetChatLine>(jo), line);

  const std::string played = MakeSaveGame(kFixtureShape, 4242, "     45000     79000    5");
  SendMessage(kira, NetFile{played});
  EXPECT_EQ(ReceiveAs<NetPlayerLeaves>(jo), NetPlayerLeaves{2});
  ASSERT_TRUE(server->WaitForLog("game of 'Kira' stored"));
  server.reset();  // stops the server and closes the database

  std::string error;
  StorageHandle storage = OpenStorage(database, &error);
  ASSERT_TRUE(storage) << error;
  std::string stored;
  ASSERT_EQ(LoadGame(*storage, kiraAccount, "Kira", stored), StoreResult::kDone);
  EXPECT_EQ(stored, played);
}

TEST_F(LoopbackTest, APlayerWhoDisconnectsLeavesAndTheOthersGoOn) {
  std::unique_ptr<TestServer> server = StartTestServer(game, database);
  ASSERT_TRUE(server);
  TestClient kira;
  JoinAs(kira, server->port, "Kira");
  ReceiveAs<NetFile>(kira);
  ReceiveAs<NetPlayersPresent>(kira);
  {
    TestClient jo;
    JoinAs(jo, server->port, "Jo");
    EXPECT_EQ(ReceiveAs<NetPlayerJoins>(kira), (NetPlayerJoins{3, "Jo"}));
    // Garbage: an unknown code is dropped, a text past the field cap ends the connection.
    SendBytes(jo, std::string("\xFF\xFF\xFF\x7F", 4));
    EXPECT_TRUE(server->WaitForLog("unknown code 2147483647, 4 bytes dropped"));
    SendBytes(jo, EncodeMessage(NetChat{std::string(5000, 'x')}));
    EXPECT_TRUE(WaitClosed(jo));
  }
  EXPECT_EQ(ReceiveAs<NetPlayerLeaves>(kira), NetPlayerLeaves{3});
  EXPECT_TRUE(server->WaitForLog("closed: message past the size caps"));
  SendMessage(kira, NetChat{"noch da"});
  EXPECT_EQ(ReceiveAs<NetChatLine>(kira), (NetChatLine{30, "Kira: ", 20, "noch da"}));
}

TEST_F(LoopbackTest, ConnectionsPastTheCapAreRefused) {
  std::unique_ptr<TestServer> server =
      StartTestServer(game, database, [](Server& s) { s.loop.maxClients = 2; });
  ASSERT_TRUE(server);
  TestClient first, second, third;
  ASSERT_TRUE(ConnectTestClient(first, server->port));
  ASSERT_TRUE(ConnectTestClient(second, server->port));
  EXPECT_FALSE(NewAccount(first).empty());
  EXPECT_FALSE(NewAccount(second).empty());
  ASSERT_TRUE(ConnectTestClient(third, server->port));
  EXPECT_TRUE(WaitClosed(third));
  EXPECT_TRUE(server->WaitForLog("refused: 2 clients connected"));
  // A place frees when a client goes.
  close(first.fd);
  first.fd = -1;
  ASSERT_TRUE(server->WaitForLog("closed: disconnected"));
  TestClient fourth;
  ASSERT_TRUE(ConnectTestClient(fourth, server->port));
  EXPECT_FALSE(NewAccount(fourth).empty());
}

TEST_F(LoopbackTest, AClientThatStopsReadingIsDroppedButASilentOneStays) {
  std::unique_ptr<TestServer> server = StartTestServer(game, database, [](Server& s) {
    s.session.limits.outgoingCap = 256 * 1024;
    s.session.limits.chatBurst = 1e9;
    s.session.limits.chatPerSecond = 1e9;
  });
  ASSERT_TRUE(server);
  TestClient silent;  // on the character list, sends and receives nothing for now
  ASSERT_TRUE(ConnectTestClient(silent, server->port));
  const std::string silentAccount = NewAccount(silent);

  TestClient stuck;  // in play, never reads; a small socket buffer fills sooner
  stuck.receiveBuffer = 4096;
  JoinAs(stuck, server->port, "Stau");

  TestClient talker;
  JoinAs(talker, server->port, "Redner");
  const std::string text(4000, 'c');
  bool dropped = false;
  for (int i = 0; i < 20000 && !dropped; ++i) {
    SendMessage(talker, NetChat{text});
    DrainAvailable(talker);
    talker.queued.clear();
    if (i % 64 == 0) dropped = server->WaitForLog("closed: stopped reading", 0);
  }
  EXPECT_TRUE(server->WaitForLog("closed: stopped reading"));
  // The silent client is still served.
  SendMessage(silent, NetHello{silentAccount});
  EXPECT_EQ(ReceiveAs<NetCharacterList>(silent), NetCharacterList{});
}
