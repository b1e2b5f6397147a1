#include "formats/protocol.h"

#include <gtest/gtest.h>

#include "tests/formats/protocol_samples.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

NetReadResult ReadServer(std::string_view bytes, const NetLimits& limits = {}) {
  return ReadMessage(bytes, NetDirection::kServerToClient, limits);
}

NetReadResult ReadClient(std::string_view bytes, const NetLimits& limits = {}) {
  return ReadMessage(bytes, NetDirection::kClientToServer, limits);
}

}  // namespace

TEST(ProtocolCodec, WireLayoutIsLittleEndianIntsAndZeroEndedStrings) {
  EXPECT_EQ(EncodeMessage(NetHello{"AB"}), Bytes({101, 0, 0, 0, 'A', 'B', 0}));
  EXPECT_EQ(EncodeMessage(NetPlayerLeaves{-2}), Bytes({203, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(EncodeMessage(NetChatLine{30, "a", 20, ""}),
            Bytes({0x2C, 1, 0, 0, 30, 0, 0, 0, 'a', 0, 20, 0, 0, 0, 0}));
  EXPECT_EQ(EncodeMessage(NetNameTaken{}), Bytes({123, 0, 0, 0}));
  EXPECT_EQ(EncodeMessage(NetPlayersPresent{{{2, "X"}}}),
            Bytes({204, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 'X', 0}));
  EXPECT_EQ(EncodeFileUnit("abc"), "ZORQVANT" + Bytes({3, 0, 0, 0}) + "abc");
  EXPECT_EQ(EncodeMessage(NetFile{"abc"}), EncodeFileUnit("abc"));
  // The relayed movement is the sender's six ints behind the player number.
  const std::string relayed = EncodeMessage(NetPlayerMovement{9, {1, 2, 3, 4, 5, 6}});
  ASSERT_EQ(relayed.size(), 32u);
  EXPECT_EQ(relayed.substr(8), EncodeMessage(NetMovement{1, 2, 3, 4, 5, 6}).substr(4));
}

TEST(ProtocolCodec, EveryMessageRoundTripsInItsDirection) {
  for (const NetMessage& message : SampleClientMessages()) {
    const std::string bytes = EncodeMessage(message);
    const NetReadResult read = ReadClient(bytes);
    ASSERT_EQ(read.status, NetReadStatus::kComplete) << MessageCode(message);
    EXPECT_EQ(read.message, message);
    EXPECT_EQ(read.used, bytes.size());
    EXPECT_EQ(read.code, MessageCode(message));
  }
  for (const NetMessage& message : SampleServerMessages()) {
    const std::string bytes = EncodeMessage(message);
    const NetReadResult read = ReadServer(bytes);
    ASSERT_EQ(read.status, NetReadStatus::kComplete) << MessageCode(message);
    EXPECT_EQ(read.message, message);
    EXPECT_EQ(read.used, bytes.size());
  }
}

TEST(ProtocolCodec, TrailingBytesAreLeftForTheNextMessage) {
  const std::string one = EncodeMessage(NetJoin{"id", "Kira"});
  const NetReadResult read = ReadClient(one + EncodeMessage(NetChat{"x"}));
  ASSERT_EQ(read.status, NetReadStatus::kComplete);
  EXPECT_EQ(read.used, one.size());
}

TEST(ProtocolCodec, EveryTruncatedRangeIsRejected) {
  for (const NetMessage& message : SampleClientMessages()) {
    const std::string bytes = EncodeMessage(message);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
      EXPECT_EQ(ReadClient(bytes.substr(0, cut)).status, NetReadStatus::kNeedMore)
          << MessageCode(message) << " cut at " << cut;
    }
  }
  for (const NetMessage& message : SampleServerMessages()) {
    if (std::holds_alternative<NetCharacterList>(message)) continue;  // see the next test
    const std::string bytes = EncodeMessage(message);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
      EXPECT_EQ(ReadServer(bytes.substr(0, cut)).status, NetReadStatus::kNeedMore)
          << MessageCode(message) << " cut at " << cut;
    }
  }
}

TEST(ProtocolCodec, CharacterListEndsAtAnEmptyNameTheFifthNameOrTheEndOfTheRange) {
  // A list cut inside a name is rejected; cut right after a name it is complete and open.
  const std::string two = EncodeMessage(NetCharacterList{{"Kira", "Jo"}});
  for (std::size_t cut = 0; cut < two.size(); ++cut) {
    const NetReadResult read = ReadServer(two.substr(0, cut));
    if (cut == 4 || cut == 9 || cut == 12) {
      ASSERT_EQ(read.status, NetReadStatus::kComplete) << cut;
      EXPECT_TRUE(read.openList);
      EXPECT_EQ(std::get<NetCharacterList>(read.message).names.size(), cut == 4 ? 0u : cut / 6);
    } else {
      EXPECT_EQ(read.status, NetReadStatus::kNeedMore) << cut;
    }
  }
  EXPECT_FALSE(ReadServer(two).openList);

  // A name of blanks ends the list and is not kept; names keep their own blanks.
  std::string bytes = Bytes({110, 0, 0, 0}) + std::string(" Kira \0  \0Jo\0", 13);
  NetReadResult read = ReadServer(bytes);
  ASSERT_EQ(read.status, NetReadStatus::kComplete);
  EXPECT_EQ(std::get<NetCharacterList>(read.message).names, std::vector<std::string>{" Kira "});
  EXPECT_EQ(read.used, 4u + 7u + 3u);

  // A sixth name is not part of the list.
  bytes = Bytes({110, 0, 0, 0}) + std::string("A\0B\0C\0D\0E\0F\0", 12);
  read = ReadServer(bytes);
  ASSERT_EQ(read.status, NetReadStatus::kComplete);
  EXPECT_EQ(std::get<NetCharacterList>(read.message).names.size(), 5u);
  EXPECT_EQ(read.used, 4u + 10u);
  EXPECT_FALSE(read.openList);

  // The writer sends at most five names and the empty name only when fewer.
  const std::string seven = EncodeMessage(NetCharacterList{{"A", "B", "C", "D", "E", "F", "G"}});
  EXPECT_EQ(seven, Bytes({110, 0, 0, 0}) + std::string("A\0B\0C\0D\0E\0", 10));
  EXPECT_EQ(EncodeMessage(NetCharacterList{}), Bytes({110, 0, 0, 0, 0}));
}

TEST(ProtocolCodec, FieldsPastTheirBoundsAreMalformed) {
  NetLimits limits;
  limits.maxFieldBytes = 8;
  limits.maxFileBytes = 100;
  limits.maxPlayersPresent = 3;
  const std::string hello = Bytes({101, 0, 0, 0});
  EXPECT_EQ(ReadClient(hello + std::string(8, 'a') + '\0', limits).status,
            NetReadStatus::kComplete);
  EXPECT_EQ(ReadClient(hello + std::string(9, 'a') + '\0', limits).status,
            NetReadStatus::kMalformed);
  // Too long is known before the zero byte arrives; as long as the limit it may still end.
  EXPECT_EQ(ReadClient(hello + std::string(9, 'a'), limits).status, NetReadStatus::kMalformed);
  EXPECT_EQ(ReadClient(hello + std::string(8, 'a'), limits).status, NetReadStatus::kNeedMore);

  const std::string present = Bytes({204, 0, 0, 0});
  EXPECT_EQ(ReadServer(present + Bytes({0xFF, 0xFF, 0xFF, 0xFF}), limits).status,
            NetReadStatus::kMalformed);
  EXPECT_EQ(ReadServer(present + Bytes({4, 0, 0, 0}), limits).status, NetReadStatus::kMalformed);
  EXPECT_EQ(ReadServer(present + Bytes({3, 0, 0, 0}), limits).status, NetReadStatus::kNeedMore);

  EXPECT_EQ(ReadServer(EncodeFileUnit(std::string(100, 'x')), limits).status,
            NetReadStatus::kComplete);
  EXPECT_EQ(ReadServer(EncodeFileUnit(std::string(101, 'x')), limits).status,
            NetReadStatus::kMalformed);
  const std::string negative = "ZORQVANT" + Bytes({0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(ReadFileHead(negative, 100).status, NetReadStatus::kMalformed);
  const std::string twoGiB = "ZORQVANT" + Bytes({0xFF, 0xFF, 0xFF, 0x7F});
  EXPECT_EQ(ReadFileHead(twoGiB, 16 * 1024 * 1024).status, NetReadStatus::kMalformed);
}

TEST(ProtocolCodec, FileHeadIsRecognisedByItsMark) {
  EXPECT_EQ(ReadFileHead("ZORQ", 100).status, NetReadStatus::kNeedMore);
  EXPECT_EQ(ReadFileHead("ZORQVANT" + Bytes({5, 0}), 100).status, NetReadStatus::kNeedMore);
  const NetFileHead head = ReadFileHead("ZORQVANT" + Bytes({5, 0, 0, 0}), 100);
  EXPECT_EQ(head.status, NetReadStatus::kComplete);
  EXPECT_EQ(head.size, 5);
  EXPECT_EQ(ReadFileHead("ZORQVANX" + Bytes({5, 0, 0, 0}), 100).status,
            NetReadStatus::kUnknownCode);
  EXPECT_EQ(ReadFileHead(Bytes({101, 0, 0, 0}), 100).status, NetReadStatus::kUnknownCode);
  // A range that starts like the mark waits for it; one that does not is a message code.
  EXPECT_EQ(ReadClient("ZORQVAN").status, NetReadStatus::kNeedMore);
  EXPECT_EQ(ReadClient("ZORX").status, NetReadStatus::kUnknownCode);
}

TEST(ProtocolCodec, CodesAreKnownOnlyInTheirDirection) {
  const NetReadResult newAccount = ReadClient(EncodeMessage(NetNewAccount{"x"}));
  EXPECT_EQ(newAccount.status, NetReadStatus::kUnknownCode);
  EXPECT_EQ(newAccount.code, kNetNewAccount);
  EXPECT_EQ(ReadServer(EncodeMessage(NetHello{"x"})).status, NetReadStatus::kUnknownCode);
  // A client's movement read as a server's lacks the player number: it needs four more bytes.
  EXPECT_EQ(ReadServer(EncodeMessage(NetMovement{1, 2, 3, 4, 5, 6})).status,
            NetReadStatus::kNeedMore);
}

TEST(ProtocolCodec, AZeroByteInsideATextEndsItOnTheWire) {
  const std::string bytes = EncodeMessage(NetCreateCharacter{std::string("ab\0cd", 5), "Kira"});
  const NetReadResult read = ReadClient(bytes);
  ASSERT_EQ(read.status, NetReadStatus::kComplete);
  EXPECT_EQ(read.used, bytes.size());
  EXPECT_EQ(read.message, NetMessage(NetCreateCharacter{"ab", "Kira"}));
}
