#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "server/session.h"

// The server's one event loop: poll() over the listening socket, a wake-up pipe and every
// client, all non-blocking, on one thread. Each turn reads what arrived, lets the session handle
// it, then writes each client's queued bytes with one send: everything relayed to a client in a
// turn goes out together.

struct ServerLoop {
  int listenFd = -1;
  int wakeRead = -1;  // a byte here stops the loop
  int wakeWrite = -1;
  std::string address;  // bound address and port, for the log
  int port = 0;
  int maxClients = 64;
  // Least seconds between turns: 0 turns whenever a socket is ready; more lets each turn's reads
  // and writes carry more messages, for fewer calls at the cost of up to that much delay.
  double flushInterval = 0;
  std::map<int, int> sockets;  // client id -> socket
  int nextClientId = 1;
  // Counters for benchmarks.
  std::uint64_t turns = 0;
  std::uint64_t sendCalls = 0;
  std::uint64_t bytesOut = 0;
  std::uint64_t bytesIn = 0;
};

// Binds `address` (numeric IPv4 or IPv6) and `port` (0 picks a free one; `loop.port` tells which).
bool OpenServerLoop(ServerLoop& loop, const std::string& address, int port, int maxClients,
                    std::string* error);

// Serves until StopServerLoop.
void RunServerLoop(ServerLoop& loop, Session& session);

// Ends RunServerLoop from a signal handler or another thread.
void StopServerLoop(const ServerLoop& loop);

// Closes every client (logging each) and the listening socket.
void CloseServerLoop(ServerLoop& loop, Session& session);
