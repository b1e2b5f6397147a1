// Games coming back from the players. An upload is judged by its head, before its bytes are
// held: only a player in play may send one, at most the game cap, not sooner than the store
// interval after the character's last one, and only while all uploads under way fit the
// server's upload memory. A refused upload is thrown away as it arrives; the stored game stays,
// and the player's game keeps its own copy.
#include <limits>

#include "server/session_parts.h"

namespace {

// Why an upload of `size` bytes is refused; empty when it may come.
std::string UploadRefusal(const Session& session, const SessionClient& client, std::int64_t size,
                          double now) {
  const SessionLimits& limits = session.limits;
  if (client.playerNumber == 0) return "game file ignored: not in play";
  const std::string game = "game of " + LogText(client.character) + " refused: ";
  const std::string kept = "; the stored game is kept";
  if (size > limits.maxGameBytes) {
    return game + std::to_string(size) + " bytes, more than " +
           std::to_string(limits.maxGameBytes) + kept;
  }
  if (const auto last = session.lastStored.find(client.character);
      last != session.lastStored.end() && now - last->second < limits.gameStoreSeconds) {
    return game + "stored less than " + std::to_string(static_cast<int>(limits.gameStoreSeconds)) +
           " s ago" + kept;
  }
  if (session.uploadBytes + kFileUnitHeadSize + size > limits.maxUploadBytes) {
    return game + "the server holds " + std::to_string(session.uploadBytes) +
           " bytes of uploads already" + kept;
  }
  return "";
}

// Throws the unit's `total` bytes away: those buffered now, and the rest as they arrive.
void SkipUpload(SessionClient& client, std::size_t total) {
  NetStreamReader& reader = client.reader;
  const std::size_t pending = PendingStreamBytes(reader);
  if (pending >= total) {
    reader.start += total;
    return;
  }
  client.skipBytes = static_cast<std::int64_t>(total - pending);
  reader.buffer.clear();
  reader.start = 0;
}

// Decides on the upload whose head starts the client's pending bytes; false when it was refused.
bool DecideUpload(Session& session, SessionClient& client, double now) {
  const std::string_view pending =
      std::string_view(client.reader.buffer).substr(client.reader.start);
  if (pending.empty() || !StartsLikeFileUnit(pending)) return true;
  const NetFileHead head = ReadFileHead(pending, std::numeric_limits<std::int32_t>::max());
  if (head.status != NetReadStatus::kComplete)
    return true;  // not yet, or malformed: the reader says
  const std::size_t total = kFileUnitHeadSize + static_cast<std::size_t>(head.size);
  const std::string refusal = UploadRefusal(session, client, head.size, now);
  if (refusal.empty()) {
    client.uploadReserved = total;
    session.uploadBytes += total;
    return true;
  }
  Log(session, client, refusal);
  SkipUpload(client, total);
  LeavePlay(session, client);  // the player left flight when the game was sent
  return false;
}

}  // namespace

void FeedClient(Session&, SessionClient& client, std::string_view bytes) {
  if (client.skipBytes > 0) {
    const auto skipped =
        static_cast<std::size_t>(std::min<std::int64_t>(client.skipBytes, bytes.size()));
    client.skipBytes -= static_cast<std::int64_t>(skipped);
    bytes.remove_prefix(skipped);
  }
  FeedStream(client.reader, bytes);
}

NetStreamItem TakeClientMessage(Session& session, SessionClient& client, double now) {
  while (client.uploadReserved == 0 && !client.reader.failed &&
         !DecideUpload(session, client, now)) {
  }
  NetStreamItem item = NextStreamMessage(client.reader);
  if (item.status == NetStreamStatus::kMessage && item.code == kNetFileUnit) {
    ReleaseUpload(session, client);
  }
  return item;
}

void ReleaseUpload(Session& session, SessionClient& client) {
  session.uploadBytes -= client.uploadReserved;
  client.uploadReserved = 0;
}

void HandleReturnedGame(Session& session, SessionClient& client, NetFile& file, double now) {
  if (client.playerNumber == 0) {
    Log(session, client, "game file ignored: not in play");
    return;
  }
  if (const SaveCheck check = CheckSaveFile(file.bytes, session.universe); !check.fits) {
    Log(session, client,
        "game of " + LogText(client.character) + " refused (" + check.reason +
            "); the stored game is kept");
  } else {
    session.lastStored[client.character] = now;
    session.jobs.push_back({StorageJobKind::kStoreGame, client.id, ClientTag(client),
                            client.accountId, client.character, std::move(file.bytes)});
  }
  LeavePlay(session, client);
}
