#include "formats/protocol_stream.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/formats/protocol_samples.h"

namespace {

// Takes every complete message; fails the test on anything but messages and "need more".
void TakeAll(NetStreamReader& reader, std::vector<NetMessage>& out) {
  for (;;) {
    NetStreamItem item = NextStreamMessage(reader);
    if (item.status == NetStreamStatus::kNeedMore) return;
    ASSERT_EQ(item.status, NetStreamStatus::kMessage);
    out.push_back(std::move(item.message));
  }
}

std::vector<NetMessage> ReadInPieces(NetDirection direction, std::string_view stream,
                                     const std::vector<std::size_t>& cuts) {
  NetStreamReader reader = MakeStreamReader(direction);
  std::vector<NetMessage> out;
  std::size_t from = 0;
  for (std::size_t cut : cuts) {
    FeedStream(reader, stream.substr(from, cut - from));
    TakeAll(reader, out);
    from = cut;
  }
  FeedStream(reader, stream.substr(from));
  TakeAll(reader, out);
  EXPECT_EQ(PendingStreamBytes(reader), 0u);
  return out;
}

// Cut points where a character list legitimately ends early: right after its code or after a
// name that is not its last. A stream cut there reads a shorter list (the list has no count).
std::set<std::size_t> ListCutPoints(const std::vector<NetMessage>& messages) {
  std::set<std::size_t> points;
  std::size_t at = 0;
  for (const NetMessage& message : messages) {
    if (const auto* list = std::get_if<NetCharacterList>(&message)) {
      std::size_t pos = at + 4;
      points.insert(pos);
      const std::size_t shown = std::min<std::size_t>(list->names.size(), kMaxListedCharacters);
      for (std::size_t i = 0; i + 1 < shown; ++i) {
        pos += list->names[i].size() + 1;
        points.insert(pos);
      }
      // An empty list: its empty name is a lone zero byte, which an open list skips.
      if (shown == 0) points.erase(at + 4);
    }
    at += EncodeMessage(message).size();
  }
  return points;
}

}  // namespace

TEST(ProtocolStream, AStreamCutAtEveryByteYieldsTheSameMessages) {
  for (NetDirection direction : {NetDirection::kClientToServer, NetDirection::kServerToClient}) {
    const std::vector<NetMessage> messages = direction == NetDirection::kClientToServer
                                                 ? SampleClientMessages()
                                                 : SampleServerMessages();
    const std::string stream = Concatenated(messages);
    const std::set<std::size_t> listCuts = ListCutPoints(messages);
    for (std::size_t cut = 1; cut < stream.size(); ++cut) {
      if (listCuts.count(cut)) continue;
      ASSERT_EQ(ReadInPieces(direction, stream, {cut}), messages) << "cut at " << cut;
    }
  }
}

TEST(ProtocolStream, ByteByByteFeedingYieldsTheSameMessages) {
  const std::vector<NetMessage> messages = SampleClientMessages();
  const std::string stream = Concatenated(messages);
  std::vector<std::size_t> cuts;
  for (std::size_t cut = 1; cut < stream.size(); ++cut) cuts.push_back(cut);
  EXPECT_EQ(ReadInPieces(NetDirection::kClientToServer, stream, cuts), messages);
}

TEST(ProtocolStream, TwoAndThreeMessagesInOneFeedAllComeOutInOrder) {
  const std::vector<NetMessage> two = {NetPlayerJoins{2, "Kira"}, NetChatLine{50, "a", 20, "b"}};
  EXPECT_EQ(ReadInPieces(NetDirection::kServerToClient, Concatenated(two), {}), two);
  const std::vector<NetMessage> three = {NetCharacterList{{"Kira"}}, NetFile{"SAVE"},
                                         NetPlayersPresent{{{2, "Jo"}}}};
  EXPECT_EQ(ReadInPieces(NetDirection::kServerToClient, Concatenated(three), {}), three);
  // One message per call leaves the others waiting in order.
  NetStreamReader reader = MakeStreamReader(NetDirection::kServerToClient);
  FeedStream(reader, Concatenated(three));
  EXPECT_EQ(NextStreamMessage(reader).message, three[0]);
  FeedStream(reader, EncodeMessage(NetPlayerLeaves{2}));
  EXPECT_EQ(NextStreamMessage(reader).message, three[1]);
  EXPECT_EQ(NextStreamMessage(reader).message, three[2]);
  EXPECT_EQ(NextStreamMessage(reader).message, NetMessage(NetPlayerLeaves{2}));
  EXPECT_EQ(NextStreamMessage(reader).status, NetStreamStatus::kNeedMore);
}

TEST(ProtocolStream, AnOpenListSkipsItsLateEmptyName) {
  // A list whose empty name arrives in the next read.
  NetStreamReader reader = MakeStreamReader(NetDirection::kServerToClient);
  const std::string list = EncodeMessage(NetCharacterList{{"Kira"}});
  FeedStream(reader, list.substr(0, list.size() - 1));
  NetStreamItem item = NextStreamMessage(reader);
  ASSERT_EQ(item.status, NetStreamStatus::kMessage);
  EXPECT_EQ(item.message, NetMessage(NetCharacterList{{"Kira"}}));
  FeedStream(reader, std::string(1, '\0') + EncodeMessage(NetNameTaken{}));
  EXPECT_EQ(NextStreamMessage(reader).message, NetMessage(NetNameTaken{}));

  // Elsewhere a message cannot start with a zero byte: that is an unknown code.
  FeedStream(reader, std::string(1, '\0') + EncodeMessage(NetNameTaken{}));
  item = NextStreamMessage(reader);
  EXPECT_EQ(item.status, NetStreamStatus::kUnknownCode);
}

TEST(ProtocolStream, AnUnknownCodeDropsTheBufferAndReadingGoesOn) {
  NetStreamReader reader = MakeStreamReader(NetDirection::kClientToServer);
  std::string bytes = EncodeMessage(NetChat{"vorher"});
  bytes += EncodeMessage(NetNewAccount{"nicht von Clients"});
  bytes += EncodeMessage(NetChat{"verloren"});
  FeedStream(reader, bytes);
  EXPECT_EQ(NextStreamMessage(reader).message, NetMessage(NetChat{"vorher"}));
  const NetStreamItem unknown = NextStreamMessage(reader);
  EXPECT_EQ(unknown.status, NetStreamStatus::kUnknownCode);
  EXPECT_EQ(unknown.code, kNetNewAccount);
  EXPECT_EQ(unknown.dropped, bytes.size() - EncodeMessage(NetChat{"vorher"}).size());
  EXPECT_EQ(NextStreamMessage(reader).status, NetStreamStatus::kNeedMore);
  FeedStream(reader, EncodeMessage(NetChat{"danach"}));
  EXPECT_EQ(NextStreamMessage(reader).message, NetMessage(NetChat{"danach"}));
}

TEST(ProtocolStream, AMalformedMessageFailsTheReaderForGood) {
  NetLimits limits;
  limits.maxFieldBytes = 16;
  limits.maxFileBytes = 1024;
  NetStreamReader reader = MakeStreamReader(NetDirection::kClientToServer, limits);
  const std::string unended = EncodeMessage(NetHello{std::string(10, 'x')});
  FeedStream(reader, EncodeMessage(NetHello{"ok"}) + unended.substr(0, unended.size() - 1));
  EXPECT_EQ(NextStreamMessage(reader).message, NetMessage(NetHello{"ok"}));
  EXPECT_EQ(NextStreamMessage(reader).status, NetStreamStatus::kNeedMore);
  FeedStream(reader, std::string(10, 'y'));  // the second hello's text grows past 16 bytes
  EXPECT_EQ(NextStreamMessage(reader).status, NetStreamStatus::kMalformed);
  FeedStream(reader, EncodeMessage(NetHello{"ok"}));
  EXPECT_EQ(NextStreamMessage(reader).status, NetStreamStatus::kMalformed);
  EXPECT_EQ(PendingStreamBytes(reader), 0u);

  // A file announced past the cap is refused from its head, before any of it is buffered.
  NetStreamReader files = MakeStreamReader(NetDirection::kServerToClient, limits);
  FeedStream(files, EncodeFileUnit(std::string(1025, 'x')).substr(0, 12));
  EXPECT_EQ(NextStreamMessage(files).status, NetStreamStatus::kMalformed);
}

TEST(ProtocolStream, AFileUnitComesOutWholeFromManyReads) {
  std::string game(20000, '\0');
  for (std::size_t i = 0; i < game.size(); ++i) game[i] = static_cast<char>(i * 7);
  const std::string unit = EncodeFileUnit(game) + EncodeMessage(NetPlayerLeaves{5});
  std::vector<std::size_t> cuts;
  for (std::size_t cut = 3; cut < unit.size(); cut += 3000) cuts.push_back(cut);
  const std::vector<NetMessage> expected = {NetFile{game}, NetPlayerLeaves{5}};
  EXPECT_EQ(ReadInPieces(NetDirection::kServerToClient, unit, cuts), expected);
}
