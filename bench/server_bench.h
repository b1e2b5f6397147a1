#pragma once

// What the server benchmarks share: a scratch game folder, the server as its own process,
// simulated players on loopback (from any 127.0.0.x address) and the relay delay they see.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "formats/protocol_stream.h"

// Microseconds since the benchmark started; what a movement carries as its x to time its relay.
long long NowUs();

// Relay delays in 10-microsecond buckets up to one second.
struct Histogram {
  std::vector<long long> buckets = std::vector<long long>(100000, 0);
  long long count = 0;
  long long maxUs = 0;
  void Add(long long us);
  double PercentileMs(double p) const;
};

// A universe of two groups and one place, and the template game for it.
void WriteBenchGameFolder(const std::filesystem::path& folder);

// Starts `server` on a free port with a database and game folder in `scratch` (its log goes to
// scratch/server.log) and waits until it listens; -1 when it does not start.
pid_t StartServerProcess(const std::string& server, const std::filesystem::path& scratch,
                         const std::vector<std::string>& options, int& port);

// Stops it with SIGTERM and waits; returns the log line "shutting down after ...".
std::string StopServerProcess(pid_t server, const std::filesystem::path& scratch);

struct BenchClient {
  int fd = -1;
  NetStreamReader reader;
  int number = 0;     // the player number the others see
  bool lost = false;  // the connection ended
  long long sent = 0;
  long long received = 0;  // relayed movements
};

// A non-blocking TCP connection from `localAddress` to 127.0.0.1:port; -1 when refused.
int ConnectFrom(const std::string& localAddress, int port);

// Sends everything, waiting while the socket is full; false when the connection is gone.
bool SendAll(int fd, const std::string& bytes);

// Waits up to five seconds for the next message of `code`; others are skipped.
std::optional<NetMessage> WaitFor(BenchClient& client, int code);

// Connects from `localAddress`, makes an account and a character "Pilot <index>" and joins.
bool JoinClient(BenchClient& client, int port, int index, const std::string& localAddress);

// Reads what arrived and records each relayed movement's delay when `record`.
void ReadClient(BenchClient& client, Histogram& delays, bool record);

// The movement a player sends now: its x carries the time.
NetMovement TimedMovement(const BenchClient& client);

long ResidentKiB(pid_t pid);
double CpuSeconds(pid_t pid);
double OwnCpuSeconds();

// "relay delay ms: p50 ... p99 ... max ..."
void PrintDelays(const Histogram& delays);
