#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "formats/protocol_stream.h"
#include "formats/save_check.h"
#include "server/storage.h"

// What the server does with its clients' messages, without sockets: the event loop hands it the
// bytes each connection received and sends what it queues in each client's `outgoing`. Tests
// drive it the same way.

// Bounds that keep one client from hurting the server or the others.
struct SessionLimits {
  std::size_t maxFieldBytes = 4096;     // a longer text closes the connection
  std::int64_t maxFileBytes = 1 << 20;  // a larger file closes the connection
  double chatPerSecond = 1.0;           // chat lines past the rate are not relayed
  double chatBurst = 5.0;
  double movesPerSecond = 100.0;  // twice what a game sends at 50 frames a second
  double movesBurst = 100.0;
  std::size_t movementBacklog = 64 * 1024;  // queued bytes past which a client misses movements
  std::size_t outgoingCap = 1 << 20;        // queued bytes past which a client is dropped
  double helloSeconds = 30.0;               // a connection that has not said hello is closed
  int maxUnknownMessages = 8;               // unknown codes tolerated per connection
};

// A token bucket: `tokens` refill at the rate up to the burst, one is spent per message.
struct RateBucket {
  double tokens = 0;
  double last = 0;
};

struct SessionClient {
  int id = 0;        // the connection's number, for the log
  std::string peer;  // address:port, for the log
  NetStreamReader reader;
  double openedAt = 0;
  bool greeted = false;  // a hello was answered
  bool madeAccount = false;
  std::string account;    // the account of the character in play
  std::string character;  // the character in play; empty on the character screens
  int playerNumber = 0;   // 2 and up while in play, else 0
  std::string outgoing;   // bytes queued for the connection
  RateBucket chat;
  RateBucket moves;
  bool chatThrottled = false;
  int unknownMessages = 0;
  std::size_t skippedMovements = 0;  // movements not queued because the client fell behind
  std::string closeReason;           // set: the event loop closes the connection
};

struct Session {
  Storage* storage = nullptr;
  std::string templateGame;  // the game of every new character
  UniverseShape universe;    // a returned game must fit it
  SessionLimits limits;
  std::map<int, SessionClient> clients;
  int nextPlayerNumber = 2;  // 0 is a computer pilot and 1 each client's own ship
  std::function<void(const std::string&)> log;  // one line per event, without the line end
};

// A new connection. `now` is in seconds on any steady clock.
SessionClient& OpenSessionClient(Session& session, int id, std::string peer, double now);

// Bytes a connection received: every whole message is handled in arrival order.
void ReceiveSessionBytes(Session& session, int id, std::string_view bytes, double now);

// Closes connections whose hello is overdue.
void CheckSessionDeadlines(Session& session, double now);

// The connection is gone: a player in play leaves (203 to the others) and the client is removed.
void CloseSessionClient(Session& session, int id, std::string_view why);

// Queues a message for one client; a client whose queue passes the cap is marked for closing.
void SendToClient(Session& session, SessionClient& client, const NetMessage& message);

// The log line prefix for a client: "[3 127.0.0.1:40312] ".
std::string ClientTag(const SessionClient& client);

// A client's text made safe for the log: Latin-1 as UTF-8, control bytes as \xNN, at most 64
// characters.
std::string LogText(std::string_view text);
