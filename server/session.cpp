#include "server/session.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "formats/latin1.h"
#include "formats/text_rules.h"
#include "server/session_parts.h"

namespace {

constexpr int kChatNameColour = 30;  // the friendly colour set, as the game greets a new player
constexpr int kChatTextColour = 20;  // neutral

void HandleMovement(Session& session, SessionClient& client, const NetMovement& movement,
                    double now) {
  if (client.playerNumber == 0) return;
  const SessionLimits& limits = session.limits;
  if (!TakeToken(client.moves, limits.movesPerSecond, limits.movesBurst, now)) return;
  // Encoded once, queued for every other player. A client that fell behind skips movements: the
  // next report supersedes them, and its queue stays bounded.
  const std::string encoded = EncodeMessage(NetPlayerMovement{client.playerNumber, movement});
  for (auto& [id, other] : session.clients) {
    if (&other == &client || other.playerNumber == 0 || !other.closeReason.empty()) continue;
    if (other.outgoing.size() > limits.movementBacklog) {
      ++other.skippedMovements;
      continue;
    }
    other.outgoing += encoded;
  }
}

void HandleChat(Session& session, SessionClient& client, const NetChat& chat, double now) {
  if (client.playerNumber == 0 || TrimBlanks(chat.text).empty()) return;
  const SessionLimits& limits = session.limits;
  if (!TakeToken(client.chat, limits.chatPerSecond, limits.chatBurst, now)) {
    if (!client.chatThrottled) Log(session, client, "chat too fast: lines dropped");
    client.chatThrottled = true;
    return;
  }
  client.chatThrottled = false;
  const NetChatLine line{kChatNameColour, client.character + ": ", kChatTextColour, chat.text};
  for (auto& [id, other] : session.clients) {
    if (other.playerNumber == 0 || !other.closeReason.empty()) continue;
    SendToClient(session, other, line);
  }
}

void HandleMessage(Session& session, SessionClient& client, NetMessage& message, double now) {
  if (const auto* movement = std::get_if<NetMovement>(&message)) {
    HandleMovement(session, client, *movement, now);
  } else if (const auto* chat = std::get_if<NetChat>(&message)) {
    HandleChat(session, client, *chat, now);
  } else if (auto* file = std::get_if<NetFile>(&message)) {
    HandleReturnedGame(session, client, *file, now);
  } else {
    HandleRequest(session, client, message, now);
  }
}

// Forgets new accounts older than the hour and stores older than the store interval.
void ForgetOldRecords(Session& session, double now) {
  for (auto it = session.newAccounts.begin(); it != session.newAccounts.end();) {
    std::erase_if(it->second, [&](double made) { return now - made >= kAccountWindowSeconds; });
    it = it->second.empty() ? session.newAccounts.erase(it) : std::next(it);
  }
  std::erase_if(session.lastStored, [&](const auto& entry) {
    return now - entry.second >= session.limits.gameStoreSeconds;
  });
}

}  // namespace

void Log(Session& session, const SessionClient& client, const std::string& text) {
  LogForAddress(session, client.address, ClientTag(client) + text);
}

bool TakeToken(RateBucket& bucket, double perSecond, double burst, double now) {
  bucket.tokens = std::min(burst, bucket.tokens + (now - bucket.last) * perSecond);
  bucket.last = now;
  if (bucket.tokens < 1.0) return false;
  bucket.tokens -= 1.0;
  return true;
}

void LeavePlay(Session& session, SessionClient& client) {
  if (client.playerNumber == 0) return;
  const std::string encoded = EncodeMessage(NetPlayerLeaves{client.playerNumber});
  for (auto& [id, other] : session.clients) {
    if (&other == &client || other.playerNumber == 0 || !other.closeReason.empty()) continue;
    other.outgoing += encoded;
  }
  Log(session, client, "left play: " + LogText(client.character));
  client.playerNumber = 0;
  client.character.clear();
}

std::string PeerAddress(std::string_view peer) {
  if (!peer.empty() && peer.front() == '[') {
    return std::string(peer.substr(1, peer.find(']') - 1));
  }
  return std::string(peer.substr(0, peer.rfind(':')));
}

std::string ClientTag(const SessionClient& client) {
  return "[" + std::to_string(client.id) + " " + client.peer + "] ";
}

std::string LogText(std::string_view text) {
  constexpr std::size_t kShown = 64;
  std::string shown;
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0) || byte == '\\') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown += Latin1ToUtf8(text.substr(i, 1));
    }
  }
  if (text.size() > kShown) shown += "...";
  return "'" + shown + "'";
}

void LogForAddress(Session& session, const std::string& address, const std::string& line) {
  if (!session.log) return;
  std::string summary;
  const bool allowed = AllowLogLine(session.logLimiter, address, session.now, summary);
  if (!summary.empty()) session.log(summary);
  if (allowed) session.log(line);
}

SessionClient& OpenSessionClient(Session& session, int id, std::string peer, double now) {
  session.now = now;
  SessionClient& client = session.clients[id];
  client = SessionClient{};
  client.id = id;
  client.address = PeerAddress(peer);
  client.peer = std::move(peer);
  client.openedAt = client.lastHeard = now;
  NetLimits limits;
  limits.maxFieldBytes = session.limits.maxFieldBytes;
  // The session judges a game upload by its head itself (session_uploads.cpp).
  limits.maxFileBytes = std::numeric_limits<std::int32_t>::max();
  client.reader = MakeStreamReader(NetDirection::kClientToServer, limits);
  client.chat = {session.limits.chatBurst, now};
  client.moves = {session.limits.movesBurst, now};
  client.requests = {session.limits.requestsBurst, now};
  Log(session, client, "connected");
  return client;
}

void ReceiveSessionBytes(Session& session, int id, std::string_view bytes, double now) {
  session.now = now;
  const auto found = session.clients.find(id);
  if (found == session.clients.end() || !found->second.closeReason.empty()) return;
  FeedClient(session, found->second, bytes);
  ServeSessionClient(session, id, now);
}

void ServeSessionClient(Session& session, int id, double now) {
  session.now = now;
  const auto found = session.clients.find(id);
  if (found == session.clients.end()) return;
  SessionClient& client = found->second;
  client.backlog = false;
  for (int handled = 0; client.closeReason.empty() && !client.waiting; ++handled) {
    if (handled == session.limits.messagesPerTurn) {
      client.backlog = true;
      return;
    }
    NetStreamItem item = TakeClientMessage(session, client, now);
    if (item.status == NetStreamStatus::kNeedMore) return;
    if (item.status == NetStreamStatus::kMalformed) {
      client.closeReason = "message past the size caps (code " + std::to_string(item.code) + ")";
    } else if (item.status == NetStreamStatus::kUnknownCode) {
      Log(session, client,
          "unknown code " + std::to_string(item.code) + ", " + std::to_string(item.dropped) +
              " bytes dropped");
      if (++client.unknownMessages >= session.limits.maxUnknownMessages) {
        client.closeReason = "too many unknown messages";
      }
    } else {
      client.lastHeard = now;
      HandleMessage(session, client, item.message, now);
    }
  }
}

bool SessionClientReady(const SessionClient& client) {
  return client.backlog && !client.waiting && client.closeReason.empty();
}

void RunSessionJobs(Session& session, Storage& storage, double now) {
  for (bool served = true; served || !session.jobs.empty();) {
    while (!session.jobs.empty()) {
      StorageJob job = std::move(session.jobs.front());
      session.jobs.pop_front();
      FinishStorageJob(session, RunStorageJob(storage, std::move(job)), now);
    }
    served = false;
    for (auto& [id, client] : session.clients) {
      if (!SessionClientReady(client)) continue;
      ServeSessionClient(session, id, now);
      served = true;
    }
  }
}

void CheckSessionDeadlines(Session& session, double now) {
  session.now = now;
  const SessionLimits& limits = session.limits;
  for (auto& [id, client] : session.clients) {
    if (!client.closeReason.empty() || client.waiting) continue;
    if (!client.greeted && now - client.openedAt > limits.helloSeconds) {
      client.closeReason = "no hello";
    } else if (client.greeted && client.playerNumber == 0 && client.joining.empty() &&
               now - client.lastHeard > limits.idleSeconds) {
      // Players in flight may send nothing for long (a ship standing still): only the character
      // screens time out; keepalive finds dead peers in play.
      client.closeReason = "idle";
    }
  }
  ForgetOldRecords(session, now);
  for (const std::string& line : TakeLogSummaries(session.logLimiter, now)) {
    if (session.log) session.log(line);
  }
}

void CloseSessionClient(Session& session, int id, std::string_view why) {
  const auto found = session.clients.find(id);
  if (found == session.clients.end()) return;
  SessionClient& client = found->second;
  LeavePlay(session, client);
  ReleaseUpload(session, client);
  std::string line = "closed: " + std::string(why);
  if (client.skippedMovements > 0) {
    line += " (" + std::to_string(client.skippedMovements) + " movements skipped while behind)";
  }
  Log(session, client, line);
  session.clients.erase(found);
}

void SendToClient(Session& session, SessionClient& client, const NetMessage& message) {
  AppendMessage(client.outgoing, message);
  if (client.outgoing.size() > session.limits.outgoingCap && client.closeReason.empty()) {
    client.closeReason =
        "stopped reading (" + std::to_string(client.outgoing.size()) + " bytes waiting)";
  }
}
