// Hello, create, delete and join: checked and rate-limited here, carried out by the store as jobs
// (storage_jobs.h), finished when the answer comes back. A connection acts only for the account
// that said hello on it.
#include <algorithm>

#include "formats/text_rules.h"
#include "server/account_hash.h"
#include "server/session_parts.h"

namespace {

constexpr std::size_t kMaxNameLength = 30;

// A character name as stored: trimmed, 1..30 characters, no control characters (C0, DEL, C1).
bool IsValidCharacterName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || (byte >= 0x7F && byte < 0xA0);
  });
}

std::string AccountName(std::string_view accountId) {
  return "account " + AccountTag(AccountHash(accountId));
}

// The client that has the character in play or is joining with it; null when none.
SessionClient* Holder(Session& session, std::string_view character) {
  for (auto& [id, client] : session.clients) {
    if (!client.closeReason.empty()) continue;
    if ((client.playerNumber != 0 && client.character == character) ||
        client.joining == character) {
      return &client;
    }
  }
  return nullptr;
}

// Queues a job for the store; the client's later messages wait for its answer.
void PostJob(Session& session, SessionClient& client, StorageJobKind kind, std::string name = "",
             std::string game = "") {
  session.jobs.push_back(
      {kind, client.id, ClientTag(client), client.accountId, std::move(name), std::move(game)});
  client.waiting = true;
}

void SendList(Session& session, SessionClient& client, std::vector<std::string> names) {
  client.lastList = names;
  SendToClient(session, client, NetCharacterList{std::move(names)});
}

// Spends one request of the client's allowance. Past it the request is refused; a client that
// keeps sending far past it is dropped.
bool AllowRequest(Session& session, SessionClient& client, double now) {
  const SessionLimits& limits = session.limits;
  RateBucket& bucket = client.requests;
  bucket.tokens = std::min(limits.requestsBurst,
                           bucket.tokens + (now - bucket.last) * limits.requestsPerSecond);
  bucket.last = now;
  bucket.tokens -= 1.0;
  if (bucket.tokens >= 0) {
    client.requestsThrottled = false;
    return true;
  }
  if (bucket.tokens < -limits.requestsDebt) {
    client.closeReason = "requests far too fast";
  } else if (!client.requestsThrottled) {
    Log(session, client, "requests too fast: refused");
    client.requestsThrottled = true;
  }
  return false;
}

void RequestNewAccount(Session& session, SessionClient& client, double now) {
  if (client.madeAccount) {
    client.closeReason = "asked for a second new account";
    return;
  }
  std::vector<double>& made = session.newAccounts[client.address];
  std::erase_if(made, [&](double when) { return now - when >= kAccountWindowSeconds; });
  if (static_cast<int>(made.size()) >= session.limits.accountsPerHour) {
    Log(session, client,
        "new account refused: " + std::to_string(made.size()) + " this hour from " +
            client.address);
    client.closeReason = "new accounts of the address used up";
    return;
  }
  made.push_back(now);
  client.accountId.clear();
  PostJob(session, client, StorageJobKind::kNewAccount);
}

void HandleHello(Session& session, SessionClient& client, const NetHello& hello, double now) {
  if (client.playerNumber != 0 || !client.joining.empty()) {
    Log(session, client, "hello ignored: in play");
    return;
  }
  client.accountId = TrimBlanks(hello.accountId);
  if (client.accountId.empty()) return RequestNewAccount(session, client, now);
  PostJob(session, client, StorageJobKind::kHello);
}

void HandleCreate(Session& session, SessionClient& client, std::string_view rawName) {
  const std::string name = TrimBlanks(rawName);
  if (!IsValidCharacterName(name)) {
    Log(session, client, "character name refused: " + LogText(name));
    return SendToClient(session, client, NetNameTaken{});
  }
  PostJob(session, client, StorageJobKind::kCreate, name, session.templateGame);
}

void HandleDelete(Session& session, SessionClient& client, std::string_view rawName) {
  const std::string name = TrimBlanks(rawName);
  if (!IsValidCharacterName(name)) {
    Log(session, client, "delete refused: no such name: " + LogText(name));
  } else if (Holder(session, name)) {
    Log(session, client, "character in play, not deleted: " + LogText(name));
  } else {
    return PostJob(session, client, StorageJobKind::kDelete, name);
  }
  SendList(session, client, client.lastList);
}

// A character in play on another connection of the same account is taken over: that connection
// may be frozen, and would otherwise lock the character for good.
void HandleJoin(Session& session, SessionClient& client, std::string_view rawName) {
  const std::string name = TrimBlanks(rawName);
  SessionClient* holder = nullptr;
  if (client.playerNumber != 0 || !client.joining.empty()) {
    Log(session, client, "join refused: already in play");
  } else if (!IsValidCharacterName(name)) {
    Log(session, client, "join refused: no such character: " + LogText(name));
  } else if (holder = Holder(session, name);
             holder && (holder->accountId != client.accountId || holder->playerNumber == 0)) {
    // Another account's, or a join of the same account still under way: no takeover.
    Log(session, client, "join refused: in play elsewhere: " + LogText(name));
  } else {
    if (holder) {
      Log(session, *holder,
          "taken over by connection " + std::to_string(client.id) + ": " + LogText(name));
      LeavePlay(session, *holder);
      holder->joining.clear();
      holder->closeReason = "taken over by connection " + std::to_string(client.id);
    }
    client.joining = name;
    return PostJob(session, client, StorageJobKind::kJoin, name);
  }
  SendList(session, client, client.lastList);
}

void FinishJoin(Session& session, SessionClient& client, const StorageAnswer& answer) {
  client.joining.clear();
  if (answer.result != StoreResult::kDone) {
    Log(session, client, "join refused: no such character: " + LogText(answer.name));
    return SendList(session, client, answer.names);
  }
  client.character = answer.name;
  client.playerNumber = session.nextPlayerNumber++;
  SendToClient(session, client, NetFile{answer.game});
  NetPlayersPresent present;
  for (auto& [id, other] : session.clients) {
    if (&other == &client || other.playerNumber == 0 || !other.closeReason.empty()) continue;
    present.players.push_back({other.playerNumber, other.character});
    SendToClient(session, other, NetPlayerJoins{client.playerNumber, client.character});
  }
  SendToClient(session, client, present);
  Log(session, client,
      "joined as " + LogText(client.character) + ", player " + std::to_string(client.playerNumber));
}

void FinishAccountJob(Session& session, SessionClient& client, const StorageAnswer& answer,
                      double now) {
  if (answer.kind == StorageJobKind::kHello && answer.result == StoreResult::kNotFound) {
    return RequestNewAccount(session, client, now);
  }
  if (answer.result != StoreResult::kDone) {
    Log(session, client, "making an account failed: no free id");
    client.closeReason = "no free account id";
    return;
  }
  client.greeted = true;
  client.accountId = answer.accountId;
  if (answer.kind == StorageJobKind::kHello) {
    Log(session, client, "hello from " + AccountName(answer.accountId));
    return SendList(session, client, answer.names);
  }
  client.madeAccount = true;
  Log(session, client, "new " + AccountName(answer.accountId));
  SendToClient(session, client, NetNewAccount{answer.accountId});
}

void FinishCharacterJob(Session& session, SessionClient& client, const StorageAnswer& answer) {
  const std::string name = LogText(answer.name);
  if (answer.kind == StorageJobKind::kDelete) {
    if (answer.result == StoreResult::kDone) Log(session, client, "character deleted: " + name);
    return SendList(session, client, answer.names);
  }
  if (answer.result == StoreResult::kDone) {
    Log(session, client, "character made: " + name);
    return SendList(session, client, answer.names);
  }
  Log(session, client,
      answer.accountFull ? "character refused: the account has five"
                         : "character refused (taken or no account): " + name);
  SendToClient(session, client, NetNameTaken{});
}

// Stored games are logged even when the connection is gone by now.
void FinishStoreGame(Session& session, SessionClient* client, const StorageAnswer& answer) {
  const std::string game = "game of " + LogText(answer.name);
  std::string line = answer.clientTag;
  if (answer.result == StoreResult::kDone) {
    line += game + " stored, " + std::to_string(answer.gameBytes) + " bytes";
  } else if (answer.result == StoreResult::kNotFound) {
    line += game + " not stored: the character is gone";
  } else {
    line += "storing a game failed: " + answer.error;
    if (client) client->closeReason = "storage failed";
  }
  if (session.log) session.log(line);
}

}  // namespace

void HandleRequest(Session& session, SessionClient& client, const NetMessage& message, double now) {
  if (!AllowRequest(session, client, now)) return;
  if (const auto* hello = std::get_if<NetHello>(&message)) {
    return HandleHello(session, client, *hello, now);
  }
  std::string_view account, name;
  if (const auto* create = std::get_if<NetCreateCharacter>(&message)) {
    account = create->accountId, name = create->name;
  } else if (const auto* remove = std::get_if<NetDeleteCharacter>(&message)) {
    account = remove->accountId, name = remove->name;
  } else if (const auto* join = std::get_if<NetJoin>(&message)) {
    account = join->accountId, name = join->name;
  } else {
    return;  // a server's message: the reader does not make them for this direction
  }
  if (!client.greeted) {
    client.closeReason = "request before hello";
    return;
  }
  if (TrimBlanks(account) != client.accountId) {
    client.closeReason = "request for another account";
    return;
  }
  if (std::holds_alternative<NetCreateCharacter>(message)) {
    HandleCreate(session, client, name);
  } else if (std::holds_alternative<NetDeleteCharacter>(message)) {
    HandleDelete(session, client, name);
  } else {
    HandleJoin(session, client, name);
  }
}

void FinishStorageJob(Session& session, const StorageAnswer& answer, double now) {
  session.now = now;
  const auto found = session.clients.find(answer.clientId);
  SessionClient* client = found != session.clients.end() && found->second.closeReason.empty()
                              ? &found->second
                              : nullptr;
  if (answer.kind == StorageJobKind::kStoreGame) return FinishStoreGame(session, client, answer);
  if (!client) return;
  client->waiting = false;
  client->backlog = true;  // messages that came meanwhile wait in its reader
  if (answer.result == StoreResult::kFailed) {
    Log(session, *client, "storage failed: " + answer.error);
    client->closeReason = "storage failed";
    return;
  }
  switch (answer.kind) {
    case StorageJobKind::kHello:
    case StorageJobKind::kNewAccount:
      return FinishAccountJob(session, *client, answer, now);
    case StorageJobKind::kCreate:
    case StorageJobKind::kDelete:
      return FinishCharacterJob(session, *client, answer);
    case StorageJobKind::kJoin:
      return FinishJoin(session, *client, answer);
    case StorageJobKind::kStoreGame:
      return;
  }
}
