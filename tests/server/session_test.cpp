#include "server/session.h"

#include <gtest/gtest.h>

#include "tests/server/server_fixture.h"

namespace {

// The session without sockets: each client's queued bytes are read back with the codec.
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
    session.storage = storage.get();
    session.templateGame = MakeSaveGame(kFixtureShape, 10000);
    session.universe = kFixtureShape;
    session.log = [this](const std::string& line) { log.push_back(line); };
  }

  void Open(int id) {
    OpenSessionClient(session, id, "peer", now);
    NetLimits limits;
    limits.maxFileBytes = 1 << 24;
    readers[id] = MakeStreamReader(NetDirection::kServerToClient, limits);
  }
  void Send(int id, const NetMessage& message) {
    ReceiveSessionBytes(session, id, EncodeMessage(message), now);
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
  std::string Joined(int id, const std::string& name) {
    Open(id);
    const std::string account = Account(id);
    Send(id, NetCreateCharacter{account, name});
    Send(id, NetJoin{account, name});
    Take(id);
    return account;
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
  Send(2, NetCreateCharacter{"NICHTDA", "Frei"});
  EXPECT_EQ(Take(2),
            (Messages{NetCharacterList{{std::string(30, 'x')}},
                      NetCharacterList{{std::string(30, 'x'), "J\xFCrgen"}}, NetNameTaken{}}));
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
  Send(3, NetDeleteCharacter{account, "Jo"});  // in play on client 1
  Send(3, NetDeleteCharacter{account, " Kira "});
  EXPECT_EQ(Take(3), (Messages{NetCharacterList{{"Kira", "Jo"}}, NetCharacterList{{"Jo"}}}));
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

  // The same character twice, a character of another account, a second join: the list again.
  Open(3);
  Send(3, NetJoin{a, "Kira"});
  Send(3, NetJoin{a, "Jo"});
  Send(1, NetJoin{a, "Kira"});
  EXPECT_EQ(Take(3), (Messages{NetCharacterList{{"Kira"}}, NetCharacterList{{"Kira"}}}));
  EXPECT_EQ(Take(1), Messages{NetCharacterList{{"Kira"}}});
  EXPECT_EQ(Client(3).playerNumber, 0);

  // Numbers are never given twice while the server runs.
  CloseSessionClient(session, 2, "test");
  EXPECT_EQ(Take(1), Messages{NetPlayerLeaves{3}});
  Send(3, NetHello{b});
  Send(3, NetJoin{b, "Jo"});
  Take(3);
  EXPECT_EQ(Client(3).playerNumber, 4);
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
  Open(2);
  ReceiveSessionBytes(session, 2, EncodeFileUnit(std::string((1 << 20) + 1, 'x')).substr(0, 12),
                      now);
  EXPECT_FALSE(Client(2).closeReason.empty());
  Open(3);
  ReceiveSessionBytes(session, 3, EncodeMessage(NetChat{std::string(4096, 'x')}), now);
  EXPECT_TRUE(Client(3).closeReason.empty());
  for (int i = 0; i < 8; ++i) ReceiveSessionBytes(session, 3, "\x07\x07\x07\x07", now);
  EXPECT_EQ(Client(3).closeReason, "too many unknown messages");

  // Silent clients stay once they said hello; others are closed after the hello time.
  Open(4);
  Open(5);
  Account(5);
  now += 31;
  CheckSessionDeadlines(session, now);
  EXPECT_EQ(Client(4).closeReason, "no hello");
  EXPECT_TRUE(Client(5).closeReason.empty());
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
  const auto logged = [this](const std::string& text) {
    return std::any_of(log.begin(), log.end(),
                       [&](const std::string& line) { return line.find(text) != line.npos; });
  };
  EXPECT_TRUE(logged("[2 peer] connected"));
  EXPECT_TRUE(logged("[2 peer] character made: 'Jo'"));
  EXPECT_TRUE(logged("[2 peer] joined as 'Jo', player 3"));
  EXPECT_TRUE(logged("[2 peer] left play: 'Jo'"));
  EXPECT_TRUE(logged("[2 peer] closed: disconnected"));
  EXPECT_EQ(LogText("a\nb\\\xFC"), "'a\\x0Ab\\x5C\xC3\xBC'");
}
