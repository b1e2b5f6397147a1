// The server on a loopback port with simulated game clients speaking through the codec.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <thread>
#include <tuple>

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

TEST_F(LoopbackTest, ASlowDatabaseDoesNotHoldUpTheRelay) {
  {
    std::string error;
    StorageHandle storage = OpenStorage(database, &error);
    ASSERT_TRUE(storage) << error;
    for (const auto& [account, name] : {std::pair{"A1", "Kira"}, {"B2", "Jo"}, {"C3", ""}}) {
      ASSERT_EQ(AddAccount(*storage, account), StoreResult::kDone);
      if (*name) {
        ASSERT_EQ(AddCharacter(*storage, account, name, "x"), StoreResult::kDone);
      }
    }
  }
  // Every change holds its transaction open for two seconds.
  std::unique_ptr<TestServer> server =
      StartTestServer(game, database, [](Server& s) { SetCommitDelay(*s.storage, 2000); });
  ASSERT_TRUE(server);
  TestClient kira, jo, busy;
  for (auto [client, account, name] : {std::tuple{&kira, "A1", "Kira"}, {&jo, "B2", "Jo"}}) {
    ASSERT_TRUE(ConnectTestClient(*client, server->port));
    SendMessage(*client, NetHello{account});
    SendMessage(*client, NetJoin{account, name});
    ASSERT_TRUE(ReceiveAs<NetCharacterList>(*client));
    ASSERT_TRUE(ReceiveAs<NetFile>(*client));
    ASSERT_TRUE(ReceiveAs<NetPlayersPresent>(*client));
  }
  ASSERT_TRUE(ReceiveAs<NetPlayerJoins>(kira));
  ASSERT_TRUE(ConnectTestClient(busy, server->port));
  SendMessage(busy, NetHello{"C3"});
  ASSERT_TRUE(ReceiveAs<NetCharacterList>(busy));
  SendMessage(busy, NetCreateCharacter{"C3", "Neu"});
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the change is under way

  const NetMovement move{2001, 1, 2, 3, 4, 5};
  SendMessage(jo, move);
  EXPECT_EQ(ReceiveAs<NetPlayerMovement>(kira, 1.0), (NetPlayerMovement{3, move}));
  ASSERT_TRUE(DrainAvailable(busy));
  EXPECT_TRUE(busy.queued.empty()) << "the change came back before the relay";
  EXPECT_EQ(ReceiveAs<NetCharacterList>(busy), NetCharacterList{{"Neu"}});
}

namespace {

// The server's end of the client's connection (the test and the server share one process).
int ServerSocketOf(const TestClient& client) {
  sockaddr_storage local{};
  socklen_t length = sizeof local;
  getsockname(client.fd, reinterpret_cast<sockaddr*>(&local), &length);
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    const int fd = std::stoi(entry.path().filename().string());
    sockaddr_storage peer{};
    socklen_t peerLength = sizeof peer;
    if (fd != client.fd && getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) == 0 &&
        peerLength == length && std::memcmp(&peer, &local, length) == 0) {
      return fd;
    }
  }
  return -1;
}

int SocketOption(int fd, int level, int name) {
  int value = -1;
  socklen_t length = sizeof value;
  getsockopt(fd, level, name, &value, &length);
  return value;
}

}  // namespace

TEST_F(LoopbackTest, ConnectionsPerAddressAreLimitedAndProbedForDeadPeers) {
  std::unique_ptr<TestServer> server =
      StartTestServer(game, database, [](Server& s) { s.loop.maxPerAddress = 2; });
  ASSERT_TRUE(server);
  TestClient first, second, third, elsewhere;
  ASSERT_TRUE(ConnectTestClient(first, server->port));
  ASSERT_TRUE(ConnectTestClient(second, server->port));
  EXPECT_FALSE(NewAccount(first).empty());
  EXPECT_FALSE(NewAccount(second).empty());
  ASSERT_TRUE(ConnectTestClient(third, server->port));
  EXPECT_TRUE(WaitClosed(third));
  EXPECT_TRUE(server->WaitForLog("refused: 2 connections from 127.0.0.1"));
  elsewhere.localAddress = "127.0.0.2";
  ASSERT_TRUE(ConnectTestClient(elsewhere, server->port));
  EXPECT_FALSE(NewAccount(elsewhere).empty());

  // A peer that vanished without a word is found in about 90 s, not in two hours.
  const int fd = ServerSocketOf(first);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(SocketOption(fd, SOL_SOCKET, SO_KEEPALIVE), 1);
  EXPECT_EQ(SocketOption(fd, IPPROTO_TCP, TCP_KEEPIDLE), 60);
  EXPECT_EQ(SocketOption(fd, IPPROTO_TCP, TCP_KEEPINTVL), 10);
  EXPECT_EQ(SocketOption(fd, IPPROTO_TCP, TCP_KEEPCNT), 3);
}
