#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "formats/protocol_stream.h"
#include "formats/save_check.h"
#include "server/log_limit.h"
#include "server/storage_jobs.h"

// What the server does with its clients' messages, without sockets and without the database: the
// event loop hands it the bytes each connection received, sends what it queues in each client's
// `outgoing`, and runs the storage jobs it queues in `jobs`, handing back each answer with
// FinishStorageJob. Tests drive it the same way.

// Bounds that keep one client from hurting the server or the others.
struct SessionLimits {
  std::size_t maxFieldBytes = 4096;        // a longer text closes the connection
  std::int64_t maxGameBytes = 256 * 1024;  // a larger returned game is refused
  std::size_t maxUploadBytes = 64u << 20;  // unfinished uploads of all clients together
  double gameStoreSeconds = 3;             // least time between two stores of one character
  double chatPerSecond = 1.0;              // chat lines past the rate are not relayed
  double chatBurst = 5.0;
  double movesPerSecond = 100.0;  // twice what a game sends at 50 frames a second
  double movesBurst = 100.0;
  // Hello, create, delete and join: past the rate a request is refused, and a client that runs
  // `requestsDebt` requests past it is dropped.
  double requestsPerSecond = 2.0;
  double requestsBurst = 5.0;
  double requestsDebt = 10.0;
  int messagesPerTurn = 32;  // handled per client per turn, so that every client is served in turn
  std::size_t movementBacklog = 64 * 1024;  // queued bytes past which a client misses movements
  std::size_t outgoingCap = 1 << 20;        // queued bytes past which a client is dropped
  double helloSeconds = 10.0;               // a connection that has not said hello is closed
  double idleSeconds = 300.0;  // a greeted connection out of play that sends nothing is closed
  int accountsPerHour = 5;     // new accounts per address
  int maxUnknownMessages = 8;  // unknown codes tolerated per connection
};

// A token bucket: `tokens` refill at the rate up to the burst, one is spent per message.
struct RateBucket {
  double tokens = 0;
  double last = 0;
};

struct SessionClient {
  int id = 0;           // the connection's number, for the log
  std::string peer;     // address:port, for the log
  std::string address;  // the peer's address without the port
  NetStreamReader reader;
  double openedAt = 0;
  double lastHeard = 0;  // when its last message came
  bool greeted = false;  // a hello was answered
  bool madeAccount = false;
  // The account that said hello on this connection, the only one it may act for. Kept in memory
  // only: the store holds its hash and the log a prefix of that (account_hash.h).
  std::string accountId;
  std::string joining;                // the character whose game is being loaded for it
  std::string character;              // the character in play; empty on the character screens
  int playerNumber = 0;               // 2 and up while in play, else 0
  std::vector<std::string> lastList;  // the character list it was sent last
  std::string outgoing;               // bytes queued for the connection
  RateBucket chat;
  RateBucket moves;
  RateBucket requests;
  bool chatThrottled = false;
  bool requestsThrottled = false;
  int unknownMessages = 0;
  bool waiting = false;  // a storage job of its runs: its later messages wait until it is done
  bool backlog = false;  // whole messages may be waiting past this turn's budget
  std::size_t uploadReserved = 0;    // bytes of the game upload under way, counted in the session
  std::int64_t skipBytes = 0;        // bytes of a refused upload still to be thrown away
  std::size_t skippedMovements = 0;  // movements not queued because the client fell behind
  std::string closeReason;           // set: the event loop closes the connection
};

struct Session {
  std::string templateGame;  // the game of every new character
  UniverseShape universe;    // a returned game must fit it
  SessionLimits limits;
  std::map<int, SessionClient> clients;
  int nextPlayerNumber = 2;     // 0 is a computer pilot and 1 each client's own ship
  std::deque<StorageJob> jobs;  // queued for the store, in order
  std::size_t uploadBytes = 0;  // reserved by the uploads under way
  std::map<std::string, std::vector<double>> newAccounts;  // address -> when, this last hour
  std::map<std::string, double> lastStored;  // character -> when its game was last taken
  LogLimiter logLimiter;
  double now = 0;                               // the time of the call under way
  std::function<void(const std::string&)> log;  // one line per event, without the line end
};

// A new connection from `peer` ("address:port", "[v6 address]:port"). `now` is in seconds on any
// steady clock.
SessionClient& OpenSessionClient(Session& session, int id, std::string peer, double now);

// Bytes a connection received, then its messages in arrival order, up to the turn's budget.
void ReceiveSessionBytes(Session& session, int id, std::string_view bytes, double now);

// Handles the connection's waiting messages, up to the turn's budget. Stops early while a storage
// job of the client runs; `backlog` tells whether messages may be left.
void ServeSessionClient(Session& session, int id, double now);

// True when the client has messages to handle and is not waiting for the store.
bool SessionClientReady(const SessionClient& client);

// The store's answer to a job the session queued.
void FinishStorageJob(Session& session, const StorageAnswer& answer, double now);

// Runs every queued job on the calling thread and serves the clients they held up, until nothing
// is left: the session without a worker thread, for tests and tools.
void RunSessionJobs(Session& session, Storage& storage, double now);

// Closes connections whose hello is overdue or that idle out of play; writes log summaries.
void CheckSessionDeadlines(Session& session, double now);

// The connection is gone: a player in play leaves (203 to the others) and the client is removed.
void CloseSessionClient(Session& session, int id, std::string_view why);

// Queues a message for one client; a client whose queue passes the cap is marked for closing.
void SendToClient(Session& session, SessionClient& client, const NetMessage& message);

// Writes a line about an address through the per-address log limit.
void LogForAddress(Session& session, const std::string& address, const std::string& line);

// The address part of a peer name: "127.0.0.1" of "127.0.0.1:40312", "::1" of "[::1]:40312".
std::string PeerAddress(std::string_view peer);

// The log line prefix for a client: "[3 127.0.0.1:40312] ".
std::string ClientTag(const SessionClient& client);

// A client's text made safe for the log: Latin-1 as UTF-8, control bytes as \xNN, at most 64
// characters.
std::string LogText(std::string_view text);
