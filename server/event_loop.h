#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "server/session.h"
#include "server/storage_worker.h"

// The server's one event loop: poll() over the listening socket, a wake-up pipe, the storage
// worker's answers and every client, all non-blocking, on one thread. Each turn takes the store's
// answers, reads what arrived, lets the session handle each client's messages up to its budget,
// hands the session's storage jobs to the worker, then writes each client's queued bytes with one
// send: everything relayed to a client in a turn goes out together.

struct LoopSocket {
  int fd = -1;
  std::string address;  // the peer's address, for the per-address limit
};

struct ServerLoop {
  int listenFd = -1;
  int wakeRead = -1;  // a byte here stops the loop
  int wakeWrite = -1;
  std::string address;  // bound address and port, for the log
  int port = 0;
  int maxClients = 64;
  int maxPerAddress = 8;  // connections from one address at once
  // Least seconds between turns: 0 turns whenever a socket is ready; more lets each turn's reads
  // and writes carry more messages, for fewer calls at the cost of up to that much delay.
  double flushInterval = 0;
  std::map<int, LoopSocket> sockets;      // client id -> socket
  std::map<std::string, int> perAddress;  // address -> connections
  int nextClientId = 1;
  std::vector<char> readBlock;  // one receive buffer for every client, one read at a time
  // Counters for benchmarks.
  std::uint64_t turns = 0;
  std::uint64_t sendCalls = 0;
  std::uint64_t bytesOut = 0;
  std::uint64_t bytesIn = 0;
};

// Binds `address` (numeric IPv4 or IPv6) and `port` (0 picks a free one; `loop.port` tells which).
bool OpenServerLoop(ServerLoop& loop, const std::string& address, int port, int maxClients,
                    std::string* error);

// Serves until StopServerLoop; the session's storage jobs go to `worker`.
void RunServerLoop(ServerLoop& loop, Session& session, StorageWorker& worker);

// Ends RunServerLoop from a signal handler or another thread.
void StopServerLoop(const ServerLoop& loop);

// Closes every client (logging each) and the listening socket.
void CloseServerLoop(ServerLoop& loop, Session& session);

// What every accepted connection gets: no send delay, and keepalive probes that find a dead peer
// within about 90 s (60 s quiet, then 3 probes 10 s apart).
void SetClientSocketOptions(int fd);
