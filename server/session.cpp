#include "server/session.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "formats/latin1.h"
#include "formats/text_rules.h"

namespace {

constexpr int kChatNameColour = 30;  // the friendly colour set, as the game greets a new player
constexpr int kChatTextColour = 20;  // neutral
constexpr std::size_t kMaxNameLength = 30;

void Log(Session& session, const SessionClient& client, const std::string& text) {
  if (session.log) session.log(ClientTag(client) + text);
}

bool TakeToken(RateBucket& bucket, double perSecond, double burst, double now) {
  bucket.tokens = std::min(burst, bucket.tokens + (now - bucket.last) * perSecond);
  bucket.last = now;
  if (bucket.tokens < 1.0) return false;
  bucket.tokens -= 1.0;
  return true;
}

// Account ids are handed out, never chosen: 12 characters without look-alikes (no 0/O, 1/I).
std::string NewAccountId() {
  static constexpr std::string_view kAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
  std::random_device device;
  std::string id;
  for (int i = 0; i < 12; ++i) id.push_back(kAlphabet[device() % kAlphabet.size()]);
  return id;
}

// A character name as stored: trimmed, 1..30 characters, no control characters (C0, DEL, C1).
bool IsValidCharacterName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || (byte >= 0x7F && byte < 0xA0);
  });
}

bool InPlay(const Session& session, std::string_view character) {
  return std::any_of(session.clients.begin(), session.clients.end(), [&](const auto& entry) {
    return entry.second.playerNumber != 0 && entry.second.character == character;
  });
}

void Fail(Session& session, SessionClient& client, std::string_view what) {
  Log(session, client, std::string(what) + " failed: " + LastStorageError(*session.storage));
  client.closeReason = "storage failed";
}

// Sends the account's character list; false when the store failed.
bool SendCharacterList(Session& session, SessionClient& client, std::string_view account) {
  NetCharacterList list;
  if (!account.empty() &&
      ListCharacters(*session.storage, account, list.names) == StoreResult::kFailed) {
    Fail(session, client, "listing characters");
    return false;
  }
  SendToClient(session, client, list);
  return true;
}

void HandleHello(Session& session, SessionClient& client, const NetHello& hello) {
  const std::string account = TrimBlanks(hello.accountId);
  const StoreResult found =
      account.empty() ? StoreResult::kNotFound : FindAccount(*session.storage, account);
  if (found == StoreResult::kFailed) return Fail(session, client, "finding the account");
  if (found == StoreResult::kDone) {
    client.greeted = true;
    Log(session, client, "hello from account " + LogText(account));
    SendCharacterList(session, client, account);
    return;
  }
  if (client.madeAccount) {
    client.closeReason = "asked for a second new account";
    return;
  }
  std::string id;
  StoreResult added = StoreResult::kNameTaken;
  for (int attempt = 0; attempt < 4 && added == StoreResult::kNameTaken; ++attempt) {
    id = NewAccountId();
    added = AddAccount(*session.storage, id);
  }
  if (added != StoreResult::kDone) return Fail(session, client, "making an account");
  client.greeted = true;
  client.madeAccount = true;
  Log(session, client, "new account " + id);
  SendToClient(session, client, NetNewAccount{id});
}

void HandleCreate(Session& session, SessionClient& client, const NetCreateCharacter& create) {
  const std::string account = TrimBlanks(create.accountId);
  const std::string name = TrimBlanks(create.name);
  std::vector<std::string> names;
  const StoreResult listed = ListCharacters(*session.storage, account, names);
  if (listed == StoreResult::kFailed) return Fail(session, client, "listing characters");
  StoreResult made = StoreResult::kNotFound;
  if (!IsValidCharacterName(name)) {
    Log(session, client, "character name refused: " + LogText(name));
  } else if (static_cast<int>(names.size()) >= kMaxListedCharacters) {
    Log(session, client, "character refused: the account has five");
  } else {
    made = AddCharacter(*session.storage, account, name, session.templateGame);
    if (made == StoreResult::kFailed) return Fail(session, client, "making a character");
    Log(session, client,
        made == StoreResult::kDone ? "character made: " + LogText(name)
                                   : "character refused (taken or no account): " + LogText(name));
  }
  if (made != StoreResult::kDone) return SendToClient(session, client, NetNameTaken{});
  SendCharacterList(session, client, account);
}

void HandleDelete(Session& session, SessionClient& client, const NetDeleteCharacter& remove) {
  const std::string account = TrimBlanks(remove.accountId);
  const std::string name = TrimBlanks(remove.name);
  if (InPlay(session, name)) {
    Log(session, client, "character in play, not deleted: " + LogText(name));
  } else {
    const StoreResult deleted = DeleteCharacter(*session.storage, account, name);
    if (deleted == StoreResult::kFailed) return Fail(session, client, "deleting a character");
    if (deleted == StoreResult::kDone) Log(session, client, "character deleted: " + LogText(name));
  }
  SendCharacterList(session, client, account);
}

void HandleJoin(Session& session, SessionClient& client, const NetJoin& join) {
  const std::string account = TrimBlanks(join.accountId);
  const std::string name = TrimBlanks(join.name);
  std::string game;
  StoreResult loaded = StoreResult::kNotFound;
  if (client.playerNumber != 0) {
    Log(session, client, "join refused: already in play");
  } else if (InPlay(session, name)) {
    Log(session, client, "join refused: in play elsewhere: " + LogText(name));
  } else {
    loaded = LoadGame(*session.storage, account, name, game);
    if (loaded == StoreResult::kFailed) return Fail(session, client, "loading a game");
    if (loaded == StoreResult::kNotFound) {
      Log(session, client, "join refused: no such character: " + LogText(name));
    }
  }
  if (loaded != StoreResult::kDone) {
    SendCharacterList(session, client, account);
    return;
  }
  client.account = account;
  client.character = name;
  client.playerNumber = session.nextPlayerNumber++;
  SendToClient(session, client, NetFile{std::move(game)});
  NetPlayersPresent present;
  for (auto& [id, other] : session.clients) {
    if (&other == &client || other.playerNumber == 0 || !other.closeReason.empty()) continue;
    present.players.push_back({other.playerNumber, other.character});
    SendToClient(session, other, NetPlayerJoins{client.playerNumber, client.character});
  }
  SendToClient(session, client, present);
  Log(session, client,
      "joined as " + LogText(name) + ", player " + std::to_string(client.playerNumber));
}

// The player is no longer in play: the others delete its ship.
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
  client.account.clear();
}

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

// The game comes back when the player leaves flight: kept when it fits the universe.
void HandleReturnedGame(Session& session, SessionClient& client, const NetFile& file) {
  if (client.playerNumber == 0) {
    Log(session, client, "game file ignored: not in play");
    return;
  }
  if (const SaveCheck check = CheckSaveFile(file.bytes, session.universe); !check.fits) {
    Log(session, client,
        "game of " + LogText(client.character) + " refused (" + check.reason +
            "); the stored game is kept");
  } else {
    const StoreResult stored =
        ReplaceGame(*session.storage, client.account, client.character, file.bytes);
    if (stored == StoreResult::kFailed) return Fail(session, client, "storing a game");
    Log(session, client,
        stored == StoreResult::kDone
            ? "game of " + LogText(client.character) + " stored, " +
                  std::to_string(file.bytes.size()) + " bytes"
            : "game of " + LogText(client.character) + " not stored: the character is gone");
  }
  LeavePlay(session, client);
}

void HandleMessage(Session& session, SessionClient& client, const NetMessage& message, double now) {
  if (const auto* hello = std::get_if<NetHello>(&message)) {
    HandleHello(session, client, *hello);
  } else if (const auto* create = std::get_if<NetCreateCharacter>(&message)) {
    HandleCreate(session, client, *create);
  } else if (const auto* remove = std::get_if<NetDeleteCharacter>(&message)) {
    HandleDelete(session, client, *remove);
  } else if (const auto* join = std::get_if<NetJoin>(&message)) {
    HandleJoin(session, client, *join);
  } else if (const auto* movement = std::get_if<NetMovement>(&message)) {
    HandleMovement(session, client, *movement, now);
  } else if (const auto* chat = std::get_if<NetChat>(&message)) {
    HandleChat(session, client, *chat, now);
  } else if (const auto* file = std::get_if<NetFile>(&message)) {
    HandleReturnedGame(session, client, *file);
  }
}

}  // namespace

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

SessionClient& OpenSessionClient(Session& session, int id, std::string peer, double now) {
  SessionClient& client = session.clients[id];
  client = SessionClient{};
  client.id = id;
  client.peer = std::move(peer);
  client.openedAt = now;
  NetLimits limits;
  limits.maxFieldBytes = session.limits.maxFieldBytes;
  limits.maxFileBytes = session.limits.maxFileBytes;
  client.reader = MakeStreamReader(NetDirection::kClientToServer, limits);
  client.chat = {session.limits.chatBurst, now};
  client.moves = {session.limits.movesBurst, now};
  Log(session, client, "connected");
  return client;
}

void ReceiveSessionBytes(Session& session, int id, std::string_view bytes, double now) {
  const auto found = session.clients.find(id);
  if (found == session.clients.end()) return;
  SessionClient& client = found->second;
  if (!client.closeReason.empty()) return;
  FeedStream(client.reader, bytes);
  while (client.closeReason.empty()) {
    const NetStreamItem item = NextStreamMessage(client.reader);
    if (item.status == NetStreamStatus::kNeedMore) break;
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
      HandleMessage(session, client, item.message, now);
    }
  }
}

void CheckSessionDeadlines(Session& session, double now) {
  for (auto& [id, client] : session.clients) {
    if (!client.greeted && client.closeReason.empty() &&
        now - client.openedAt > session.limits.helloSeconds) {
      client.closeReason = "no hello";
    }
  }
}

void CloseSessionClient(Session& session, int id, std::string_view why) {
  const auto found = session.clients.find(id);
  if (found == session.clients.end()) return;
  SessionClient& client = found->second;
  LeavePlay(session, client);
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
