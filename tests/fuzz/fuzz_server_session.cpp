// The server's session fed by three hostile clients: it never fails, everything it queues for a
// client reads back as whole server messages, and players in play carry numbers from 2 up.
// The store is an in-memory database holding account "A" with the character "K"; the session's
// storage jobs run at once.
#include "server/session.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Checks one client's queued bytes and forgets them.
void CheckOutgoing(SessionClient& client) {
  NetLimits limits;
  limits.maxFileBytes = 1 << 24;
  limits.maxFieldBytes = 1 << 20;
  NetStreamReader reader = MakeStreamReader(NetDirection::kServerToClient, limits);
  FeedStream(reader, client.outgoing);
  for (;;) {
    const NetStreamItem item = NextStreamMessage(reader);
    if (item.status == NetStreamStatus::kNeedMore) break;
    FuzzRequire(item.status == NetStreamStatus::kMessage, "the server sends only messages");
    if (const auto* joins = std::get_if<NetPlayerJoins>(&item.message)) {
      FuzzRequire(joins->playerNumber >= 2, "player numbers start at 2");
    }
  }
  FuzzRequire(PendingStreamBytes(reader) == 0, "the server sends whole messages");
  client.outgoing.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  StorageHandle storage = OpenStorage(":memory:", &error);
  FuzzRequire(storage != nullptr, "an in-memory store opens");
  Session session;
  session.universe = {.groupCount = -1, .placeCount = 0};
  session.templateGame = std::string(52, '\n');
  AddAccount(*storage, "A");
  AddCharacter(*storage, "A", "K", session.templateGame);
  for (int id = 1; id <= 3; ++id) OpenSessionClient(session, id, "fuzz", 0);
  // Chunks: one byte picks the client (low two bits) and the length (the rest).
  double now = 0;
  for (std::size_t pos = 0; pos < size;) {
    const int id = 1 + data[pos] % 3;
    const std::size_t length = std::min<std::size_t>(data[pos] >> 2, size - pos - 1);
    ++pos;
    now += 0.01;
    ReceiveSessionBytes(session, id, FuzzBytes(data + pos, length), now);
    RunSessionJobs(session, *storage, now);
    pos += length;
    for (auto& [other, client] : session.clients) {
      CheckOutgoing(client);
      FuzzRequire(client.playerNumber == 0 || client.playerNumber >= 2, "numbers from 2 up");
    }
  }
  for (int id = 1; id <= 3; ++id) CloseSessionClient(session, id, "end");
  FuzzRequire(session.clients.empty(), "every client is gone");
  return 0;
}
