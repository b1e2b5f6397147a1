#include "server/session.h"

#include <gtest/gtest.h>

#include "server/account_hash.h"
#include "tests/server/server_fixture.h"

namespace {

// The session without sockets: each client's queued bytes are read back with the codec, and its
// storage jobs run at once on the test's thread.
struct SessionTest : testing::Test {
  TempFolder scratch{"server"};
  StorageHandle storage;
  Session session;
  std::vector<std::string> log;
  double now = 1000;
  std::map<int, NetStreamReader> readers;

  SessionTest() {
    std::string error;
    storage = OpenStorage(scratch.path / "server.db", &error);
    EXPECT_TRUE(storage) << error;
    session.templateGame = MakeSaveGame(kFixtureShape, 10000);
    session.universe = kFixtureShape;
    session.log = [this](const std::string& line) { log.push_back(line); };
    // The request rate and the log limit have tests of their own.
    session.limits.requestsBurst = 1000;
    session.logLimiter.linesPerInterval = 1000000;
  }

  void Open(int id, const std::string& peer = "peer") {
    OpenSessionClient(session, id, peer, now);
    NetLimits limits;
    limits.maxFileBytes = 1 << 24;
    readers[id] = MakeStreamReader(NetDirection::kServerToClient, limits);
  }
  void Send(int id, const NetMessage& message) { SendBytes(id, EncodeMessage(message)); }
  void SendBytes(int id, const std::string& bytes) {
    ReceiveSessionBytes(session, id, bytes, now);
    RunSessionJobs(session, *storage, now);
  }
  SessionClient& Client(int id) { return session.clients.at(id); }
  // Everything queued for the client since the last call.
  std::vector<NetMessage> Take(int id) {
    NetStreamReader& reader = readers.at(id);
    FeedStream(reader, Client(id).outgoing);
    Client(id).outgoing.clear();
    std::vector<NetMessage> out;
    for (NetStreamItem item = NextStreamMessage(reader); item.status == NetStreamStatus::kMessage;
         item = NextStreamMessage(reader)) {
      out.push_back(item.message);
    }
    return out;
  }
  std::string Account(int id) {
    Send(id, NetHello{""});
    const std::vector<NetMessage> answer = Take(id);
    EXPECT_EQ(answer.size(), 1u);
    return answer.empty() ? "" : std::get<NetNewAccount>(answer[0]).accountId;
  }
  // A client with an account and one character, in play.
  std::string Joined(int id, const std::string& name, const std::string& peer = "peer") {
    Open(id, peer);
    const std::string account = Account(id);
    Send(id, NetCreateCharacter{account, name});
    Send(id, NetJoin{account, name});
    Take(id);
    return account;
  }
  bool Logged(const std::string& text) const {
    return std::any_of(log.begin(), log.end(),
                       [&](const std::string& line) { return line.find(text) != line.npos; });
  }
  std::string StoredGame(const std::string& account, const std::string& name) {
    std::string game;
    EXPECT_EQ(LoadGame(*storage, account, name, game), StoreResult::kDone);
    return game;
  }
};

using Messages = std::vector<NetMessage>;

}  // namespace

TEST_F(SessionTest, HelloGivesANewAccountOrTheCharacterList) {
  Open(1);
  const std::string account = Account(1);
  EXPECT_EQ(account.size(), 12u);
  EXPECT_EQ(FindAccount(*storage, account), StoreResult::kDone);
  Send(1, NetHello{" " + account + " "});
  EXPECT_EQ(Take(1), Messages{NetCharacterList{}});
  Send(1, NetCreateCharacter{account, "Kira"});
  Take(1);
  Open(2);
  Send(2, NetHello{account});
  EXPECT_EQ(Take(2), Messages{NetCharacterList{{"Kira"}}});
  // An unknown id gets a new one; a connection gets one new account at most.
  Send(2, NetHello{"NICHTDA"});
  const Messages answer = Take(2);
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_NE(std::get<NetNewAccount>(answer[0]).accountId, account);
  Send(2, NetHello{""});
  EXPECT_EQ(Client(2).closeReason, "asked for a second new account");
  // The log names accounts by a prefix of their hash, never by the id.
  EXPECT_TRUE(Logged("hello from account " + AccountTag(AccountHash(account))));
  EXPECT_TRUE(Logged("new account " + AccountTag(AccountHash(account))));
  for (const std::string& line : log) EXPECT_EQ(line.find(account), line.npos) << line;
}

TEST_F(SessionTest, CharactersAreMadeFromTheTemplateWithFreeValidNames) {
  Open(1);
  const std::string account = Account(1);
  Send(1, NetCreateCharacter{account, "  Kira  "});
  EXPECT_EQ(Take(1), Messages{NetCharacterList{{"Kira"}}});
  std::string game;
  ASSERT_EQ(LoadGame(*storage, account, "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, session.templateGame);

  Open(2);
  const std::string other = Account(2);
  for (const std::string& refused :
       {std::string("Kira"), std::string(" Kira"), std::string(""), std::string("   "),
        std::string(31, 'x'), std::string("Ki\nra"), std::string("Ki\x85ra")}) {
    Send(2, NetCreateCharacter{other, refused});
    EXPECT_EQ(Take(2), Messages{NetNameTaken{}}) << refused;
  }
  Send(2, NetCreateCharacter{other, std::string(30, 'x')});
  Send(2, NetCreateCharacter{other, "J\xFCrgen"});
  EXPECT_EQ(Take(2), (Messages{NetCharacterList{{std::string(30, 'x')}},
                               NetCharacterList{{std::string(30, 'x'), "J\xFCrgen"}}}));
  // Five at most.
  for (const char* name : {"C", "D", "E"}) Send(2, NetCreateCharacter{other, name});
  Take(2);
  Send(2, NetCreateCharacter{other, "F"});
  EXPECT_EQ(Take(2), Messages{NetNameTaken{}});
}

TEST_F(SessionTest, DeleteRemovesOnlyTheAccountsOwnCharacterOutOfPlay) {
  Open(1);
  const std::string account = Account(1);
  Send(1, NetCreateCharacter{account, "Kira"});
  Send(1, NetCreateCharacter{account, "Jo"});
  Take(1);
  Open(2);
  const std::string other = Account(2);
  Send(2, NetDeleteCharacter{other, "Kira"});
  EXPECT_EQ(Take(2), Messages{NetCharacterList{}});
  Send(1, NetJoin{account, "Jo"});
  Take(1);
  Open(3);
  Send(3, NetHello{account});
  Take(3);
  Send(3, NetDeleteCharacter{account, "Jo"});  // in play on client 1
  Send(3, NetDeleteCharacter{account, " Kira "});
  EXPECT_EQ(Take(3), (Messages{NetCharacterList{{"Kira", "Jo"}}, NetCharacterList{{"Jo"}}}));

  // A connection acts only for the account that said hello on it.
  Send(2, NetDeleteCharacter{account, "Jo"});
  EXPECT_EQ(Client(2).closeReason, "request for another account");
  Open(4);
  Send(4, NetDeleteCharacter{account, "Jo"});
  EXPECT_EQ(Client(4).closeReason, "request before hello");
  std::vector<std::string> names;
  ASSERT_EQ(ListCharacters(*storage, account, names), StoreResult::kDone);
  EXPECT_EQ(names, std::vector<std::string>{"Jo"});
}

TEST_F(SessionTest, JoinSendsTheGameAndTellsWhoIsPresentWithNumbersFromTwo) {
  Open(1);
  const std::string a = Account(1);
  Send(1, NetCreateCharacter{a, "Kira"});
  Take(1);
  Send(1, NetJoin{a, "Kira"});
  EXPECT_EQ(Take(1), (Messages{NetFile{session.templateGame}, NetPlayersPresent{}}));
  EXPECT_EQ(Client(1).playerNumber, 2);

  Open(2);
  const std::string b = Account(2);
  Send(2, NetCreateCharacter{b, "Jo"});
  Take(2);
  Send(2, NetJoin{b, "Jo"});
  EXPECT_EQ(Take(2), (Messages{NetFile{session.templateGame}, NetPlayersPresent{{{2, "Kira"}}}}));
  EXPECT_EQ(Take(1), (Messages{NetPlayerJoins{3, "Jo"}}));

  // A character of another account in play, a second join, no such character: the list again.
  Open(3);
  Send(3, NetHello{b});
  Take(3);
  Send(3, NetJoin{b, "Kira"});
  Send(3, NetJoin{b, "Niemand"});
  Send(1, NetJoin{a, "Kira"});
  EXPECT_EQ(Take(3), (Messages{NetCharacterList{{"Jo"}}, NetCharacterList{{"Jo"}}}));
  EXPECT_EQ(Take(1), Messages{NetCharacterList{{"Kira"}}});
  EXPECT_EQ(Client(3).playerNumber, 0);

  // Numbers are never given twice while the server runs.
  CloseSessionClient(session, 2, "test");
  EXPECT_EQ(Take(1), Messages{NetPlayerLeaves{3}});
  Send(3, NetJoin{b, "Jo"});
  Take(3);
  EXPECT_EQ(Client(3).playerNumber, 4);
}

TEST_F(SessionTest, AJoinTakesOverTheCharacterFromAFrozenConnectionOfTheSameAccount) {
  const std::string a = Joined(1, "Kira");
  Joined(2, "Jo");
  Take(1);
  Take(2);
  // Client 1 froze in flight. The same account comes back on a new connection.
  Open(3);
  Send(3, NetHello{a});
  EXPECT_EQ(Take(3), Messages{NetCharacterList{{"Kira"}}});
  Send(3, NetJoin{a, "Kira"});
  EXPECT_EQ(Client(1).closeReason, "taken over by connection 3");
  EXPECT_EQ(Take(3), (Messages{NetFile{session.templateGame}, NetPlayersPresent{{{3, "Jo"}}}}));
  EXPECT_EQ(Take(2), (Messages{NetPlayerLeaves{2}, NetPlayerJoins{4, "Kira"}}));
  EXPECT_EQ(Client(3).playerNumber, 4);
  CloseSessionClient(session, 1, Client(1).closeReason);
  EXPECT_TRUE(Take(2).empty());  // nobody leaves twice

  // A join of the same account still under way is not taken over.
  Open(5);
  Open(6);
  Send(5, NetHello{a});
  Send(6, NetHello{a});
  ReceiveSessionBytes(session, 5, EncodeMessage(NetJoin{a, "Kira"}), now);
  ReceiveSessionBytes(session, 6, EncodeMessage(NetJoin{a, "Kira"}), now);
  EXPECT_EQ(Client(3).closeReason, "taken over by connection 5");
  EXPECT_TRUE(Client(6).closeReason.empty());
  EXPECT_TRUE(Client(6).joining.empty());
}

TEST_F(SessionTest, MovementGoesToTheOtherPlayersWithTheSendersNumber) {
  Joined(1, "Kira");
  Joined(2, "Jo");
  Joined(3, "Mia");
  Open(4);  // on the character list
  Take(1);
  Take(2);
  const NetMovement move{2001, 45001, -79300, 270, -1500, 12};
  Send(2, move);
  EXPECT_EQ(Take(1), (Messages{NetPlayerMovement{3, move}}));
  EXPECT_EQ(Take(3), (Messages{NetPlayerMovement{3, move}}));
  EXPECT_TRUE(Take(2).empty());
  EXPECT_TRUE(Client(4).outgoing.empty());
  Send(4, move);  // not in play: goes nowhere
  EXPECT_TRUE(Take(1).empty());

  // A flood past the rate is cut; the allowance comes back with time.
  for (int i = 0; i < 300; ++i) Send(2, move);
  EXPECT_EQ(Take(1).size(), 99u);  // one went before
  now += 0.5;
  for (int i = 0; i < 300; ++i) Send(2, move);
  EXPECT_EQ(Take(1).size(), 50u);
}

TEST_F(SessionTest, ChatGoesToEveryPlayerWithTheSendersName) {
  Joined(1, "Kira");
  Joined(2, "Jo");
  Open(3);
  Take(1);
  Send(2, NetChat{"Hallo!"});
  const NetChatLine line{30, "Jo: ", 20, "Hallo!"};
  EXPECT_EQ(Take(1), Messages{line});
  EXPECT_EQ(Take(2), Messages{line});
  EXPECT_TRUE(Client(3).outgoing.empty());
  Send(2, NetChat{"   "});  // an entry ended without text
  EXPECT_TRUE(Take(1).empty());
  // Five lines at once (one went before), then one a second.
  for (int i = 0; i < 8; ++i) Send(2, NetChat{"spam"});
  EXPECT_EQ(Take(1).size(), 4u);
  now += 2;
  for (int i = 0; i < 8; ++i) Send(2, NetChat{"spam"});
  EXPECT_EQ(Take(1).size(), 2u);
}

TEST_F(SessionTest, AReturnedGameIsStoredWhenItFitsAndThePlayerLeaves) {
  const std::string a = Joined(1, "Kira");
  Joined(2, "Jo");
  Take(1);
  const std::string played = MakeSaveGame(kFixtureShape, 777);
  Send(1, NetFile{played});
  std::string game;
  ASSERT_EQ(LoadGame(*storage, a, "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, played);
  EXPECT_EQ(Take(2), Messages{NetPlayerLeaves{2}});
  EXPECT_EQ(Client(1).playerNumber, 0);

  // Back in play, a game of another universe is refused and the stored one kept.
  now += 10;
  Send(1, NetJoin{a, "Kira"});
  EXPECT_EQ(Take(1), (Messages{NetFile{played}, NetPlayersPresent{{{3, "Jo"}}}}));
  Send(1, NetFile{MakeSaveGame({.groupCount = 1, .placeCount = 3}, 1)});
  ASSERT_EQ(LoadGame(*storage, a, "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, played);
  EXPECT_EQ(Take(2), (Messages{NetPlayerJoins{4, "Kira"}, NetPlayerLeaves{4}}));

  // Out of play a file changes nothing.
  Send(1, NetFile{MakeSaveGame(kFixtureShape, 1)});
  ASSERT_EQ(LoadGame(*storage, a, "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, played);
}

TEST_F(SessionTest, HostileClientsAreClosed) {
  Open(1);
  ReceiveSessionBytes(session, 1, EncodeMessage(NetChat{std::string(4097, 'x')}), now);
  EXPECT_EQ(Client(1).closeReason, "message past the size caps (code 300)");
  Open(3);
  ReceiveSessionBytes(session, 3, EncodeMessage(NetChat{std::string(4096, 'x')}), now);
  EXPECT_TRUE(Client(3).closeReason.empty());
  for (int i = 0; i < 8; ++i) ReceiveSessionBytes(session, 3, "\x07\x07\x07\x07", now);
  EXPECT_EQ(Client(3).closeReason, "too many unknown messages");

  // No hello within the hello time; silence on the character screens; never silence in play.
  Open(4);
  Open(5);
  Account(5);
  Joined(6, "Kira");
  now += 11;
  CheckSessionDeadlines(session, now);
  EXPECT_EQ(Client(4).closeReason, "no hello");
  EXPECT_TRUE(Client(5).closeReason.empty());
  now += 290;
  CheckSessionDeadlines(session, now);
  EXPECT_EQ(Client(5).closeReason, "idle");
  now += 3600;
  CheckSessionDeadlines(session, now);
  EXPECT_TRUE(Client(6).closeReason.empty());
}

TEST_F(SessionTest, RequestsPastTheRateAreRefusedBeforeTheStoreAndAFloodIsDropped) {
  session.limits = SessionLimits{};
  Open(1);
  const std::string account = Account(1);
  // An empty name never reaches the store.
  ReceiveSessionBytes(session, 1, EncodeMessage(NetCreateCharacter{account, ""}), now);
  EXPECT_TRUE(session.jobs.empty());
  EXPECT_EQ(Take(1), Messages{NetNameTaken{}});
  // Hello and the empty name took two of the burst of five: three more are answered.
  std::string deletes;
  for (int i = 0; i < 8; ++i) deletes += EncodeMessage(NetDeleteCharacter{account, "Niemand"});
  SendBytes(1, deletes);
  EXPECT_EQ(Take(1).size(), 3u);
  EXPECT_TRUE(Logged("requests too fast: refused"));
  now += 10;  // the debt is paid back, one token waits
  Send(1, NetDeleteCharacter{account, "Niemand"});
  EXPECT_EQ(Take(1).size(), 1u);
  // Far past the rate the connection goes.
  SendBytes(1, deletes + deletes);
  EXPECT_EQ(Client(1).closeReason, "requests far too fast");
}

TEST_F(SessionTest, EachTurnServesAFewMessagesOfAClientAndStorageWorkWaitsInOrder) {
  Joined(1, "Kira");
  Joined(2, "Jo");
  Take(1);
  std::string moves;
  for (int i = 0; i < 80; ++i) moves += EncodeMessage(NetMovement{2001, i, 0, 0, 0, 0});
  ReceiveSessionBytes(session, 2, moves, now);
  EXPECT_EQ(Take(1).size(), 32u);
  EXPECT_TRUE(SessionClientReady(Client(2)));
  ServeSessionClient(session, 2, now);
  ServeSessionClient(session, 2, now);
  EXPECT_EQ(Take(1).size(), 48u);
  EXPECT_FALSE(SessionClientReady(Client(2)));

  // A hello goes to the store; what follows it waits for the answer, then comes in order.
  Open(3);
  const std::string account = Account(3);
  ReceiveSessionBytes(
      session, 3,
      EncodeMessage(NetHello{account}) + EncodeMessage(NetCreateCharacter{account, "Mia"}), now);
  ASSERT_EQ(session.jobs.size(), 1u);
  EXPECT_EQ(session.jobs.front().kind, StorageJobKind::kHello);
  RunSessionJobs(session, *storage, now);
  EXPECT_EQ(Take(3), (Messages{NetCharacterList{}, NetCharacterList{{"Mia"}}}));
}

TEST_F(SessionTest, NewAccountsAreLimitedPerAddressAndHour) {
  for (int id = 1; id <= 6; ++id) {
    Open(id, "127.0.0.5:" + std::to_string(4000 + id));
    Send(id, NetHello{""});
  }
  for (int id = 1; id <= 5; ++id) EXPECT_EQ(Take(id).size(), 1u) << id;
  EXPECT_EQ(Client(6).closeReason, "new accounts of the address used up");
  EXPECT_TRUE(Logged("new account refused: 5 this hour from 127.0.0.5"));
  Open(7, "127.0.0.6:4000");
  EXPECT_FALSE(Account(7).empty());
  now += 3600;
  Open(8, "127.0.0.5:4008");
  EXPECT_FALSE(Account(8).empty());
}

TEST_F(SessionTest, GameUploadsAreBoundedAndARefusedOneKeepsTheStoredGame) {
  session.limits.maxGameBytes = 64 * 1024;
  session.limits.maxUploadBytes = 100 * 1024;
  const std::string a = Joined(1, "Kira");
  const std::string b = Joined(2, "Jo");
  Take(1);
  Take(2);
  // Too large: thrown away as it arrives, the player leaves play, the connection stays.
  const std::string large = EncodeFileUnit(std::string(100 * 1024, 'x'));
  SendBytes(1, large.substr(0, 4096));
  EXPECT_TRUE(Logged("game of 'Kira' refused: 102400 bytes, more than 65536"));
  EXPECT_EQ(Take(2), Messages{NetPlayerLeaves{2}});
  SendBytes(1, large.substr(4096) + EncodeMessage(NetHello{a}));
  EXPECT_LT(PendingStreamBytes(Client(1).reader), 64u);
  EXPECT_EQ(Take(1), Messages{NetCharacterList{{"Kira"}}});
  EXPECT_EQ(StoredGame(a, "Kira"), session.templateGame);

  // Out of play a game is not even held.
  SendBytes(1, large.substr(0, 30000));
  EXPECT_TRUE(Logged("game file ignored: not in play"));
  EXPECT_EQ(PendingStreamBytes(Client(1).reader), 0u);
  SendBytes(1, large.substr(30000));

  // Two uploads under way may hold no more than the server's upload memory.
  Send(1, NetJoin{a, "Kira"});
  Take(2);
  const std::string half = EncodeFileUnit(MakeSaveGame(kFixtureShape, 1, std::string(60000, '5')));
  SendBytes(1, half.substr(0, 100));
  SendBytes(2, half.substr(0, 100));
  EXPECT_TRUE(Logged("game of 'Jo' refused: the server holds"));
  SendBytes(1, half.substr(100));
  EXPECT_NE(StoredGame(a, "Kira"), session.templateGame);
  EXPECT_EQ(session.uploadBytes, 0u);

  // One character's game is stored at most every few seconds.
  Send(1, NetJoin{a, "Kira"});
  SendBytes(1, EncodeFileUnit(MakeSaveGame(kFixtureShape, 2)));
  EXPECT_TRUE(Logged("game of 'Kira' refused: stored less than 3 s ago"));
  EXPECT_EQ(StoredGame(a, "Kira").size(), half.size() - kFileUnitHeadSize);
  EXPECT_EQ(StoredGame(b, "Jo"), session.templateGame);
}

TEST_F(SessionTest, OneAddressCannotFillTheLog) {
  session.logLimiter = LogLimiter{};
  for (int id = 1; id <= 100; ++id) {
    Open(id, "127.0.0.7:" + std::to_string(5000 + id));
    CloseSessionClient(session, id, "disconnected");
  }
  Open(200, "127.0.0.8:5000");
  EXPECT_EQ(log.size(), 21u);
  now += 11;
  CheckSessionDeadlines(session, now);
  EXPECT_EQ(log.back(), "[127.0.0.7] 180 more log lines in 10 s not written");
}

TEST_F(SessionTest, AClientThatStopsReadingMissesMovementsThenIsDropped) {
  Joined(1, "Kira");
  Joined(2, "Jo");
  session.limits.chatBurst = 1e9;
  session.limits.chatPerSecond = 1e9;
  const NetMovement move{2001, 1, 2, 3, 4, 5};
  // Client 1 never reads: movements stop being queued past the backlog.
  for (int i = 0; i < 5000; ++i) {
    now += 0.02;
    Send(2, move);
  }
  EXPECT_LE(Client(1).outgoing.size(), session.limits.movementBacklog + 64);
  EXPECT_GT(Client(1).skippedMovements, 0u);
  EXPECT_TRUE(Client(1).closeReason.empty());
  // Messages that must arrive still queue, up to the cap.
  while (Client(1).closeReason.empty() && Client(1).outgoing.size() < (2u << 20)) {
    now += 1;
    Send(2, NetChat{std::string(4000, 'c')});
    Take(2);  // the sender reads its own lines
  }
  EXPECT_NE(Client(1).closeReason.find("stopped reading"), std::string::npos);
  // The sender did not suffer.
  EXPECT_TRUE(Client(2).closeReason.empty());
}

TEST_F(SessionTest, ALeavingPlayerIsAnnouncedAndEveryEventIsLogged) {
  Joined(1, "Kira");
  Joined(2, "Jo");
  Take(1);
  CloseSessionClient(session, 2, "disconnected");
  EXPECT_EQ(Take(1), Messages{NetPlayerLeaves{3}});
  EXPECT_EQ(session.clients.count(2), 0u);
  EXPECT_TRUE(Logged("[2 peer] connected"));
  EXPECT_TRUE(Logged("[2 peer] character made: 'Jo'"));
  EXPECT_TRUE(Logged("[2 peer] joined as 'Jo', player 3"));
  EXPECT_TRUE(Logged("[2 peer] left play: 'Jo'"));
  EXPECT_TRUE(Logged("[2 peer] closed: disconnected"));
  EXPECT_EQ(LogText("a\nb\\\xFC"), "'a\\x0Ab\\x5C\xC3\xBC'");
}
