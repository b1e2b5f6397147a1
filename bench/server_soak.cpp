// Soak run of velmarith-server on loopback: simulated players in play, each sending movement at a
// steady rate, every movement relayed to all the others.
//   build/bench/bench_server_soak [--clients 100] [--rate 50] [--seconds 60] [--flush-ms 0]
//                                 [--server PATH]
// Prints messages a second in and out, the relay delay (send to arrival at each other player),
// lost messages and connections, the server's memory over time, its CPU time and how its loop
// coalesced writes. The server runs as its own process on a scratch game folder and database;
// all players connect from 127.0.0.1, so the run lifts the server's per-address limits.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "server_bench.h"

namespace {

struct Options {
  int clients = 100;
  int rate = 50;  // movements a second per client
  double seconds = 60;
  std::string flushMs = "0";  // the server's --flush-ms
  std::string server = VELMARITH_SERVER_BINARY;
  bool help = false;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--help" || name == "-h" || i + 1 >= argc) {
      options.help = true;
      break;
    }
    const char* value = argv[++i];
    if (name == "--clients") options.clients = std::atoi(value);
    if (name == "--rate") options.rate = std::atoi(value);
    if (name == "--seconds") options.seconds = std::atof(value);
    if (name == "--server") options.server = value;
    if (name == "--flush-ms") options.flushMs = value;
  }
  return options;
}

struct RunResult {
  Histogram delays;
  long long sent = 0;
  std::vector<std::pair<double, long>> memory;  // seconds, KiB
};

// Sends on a fixed schedule (each client spread over the period) and reads between sends.
void Run(const Options& options, std::vector<BenchClient>& clients, pid_t server,
         RunResult& result) {
  const long long periodUs = 1000000 / options.rate;
  const long long start = NowUs();
  const long long end = start + static_cast<long long>(options.seconds * 1e6);
  const long long memoryEveryUs = std::max<long long>(1000000, (end - start) / 12);
  long long nextMemory = start;
  std::vector<long long> due(clients.size());
  for (std::size_t i = 0; i < clients.size(); ++i) due[i] = start + periodUs * i / clients.size();
  std::vector<pollfd> polled(clients.size());
  long long now = start;
  while (now < end + 2000000) {  // two seconds more for the last relays to arrive
    const bool sending = now < end;
    long long nextDue = end + 2000000;
    for (std::size_t i = 0; i < clients.size() && sending; ++i) {
      BenchClient& client = clients[i];
      if (due[i] <= now && !client.lost) {
        if (SendAll(client.fd, EncodeMessage(TimedMovement(client)))) ++client.sent;
        due[i] += periodUs;
      }
      nextDue = std::min(nextDue, due[i]);
    }
    if (now >= nextMemory) {
      result.memory.push_back({(now - start) / 1e6, ResidentKiB(server)});
      nextMemory += memoryEveryUs;
    }
    for (std::size_t i = 0; i < clients.size(); ++i) polled[i] = {clients[i].fd, POLLIN, 0};
    const long long waitUs = std::max<long long>(0, std::min(nextDue, end + 2000000) - NowUs());
    const timespec timeout{0, static_cast<long>(std::min<long long>(waitUs, 1000) * 1000)};
    ppoll(polled.data(), polled.size(), &timeout, nullptr);
    for (std::size_t i = 0; i < clients.size(); ++i) {
      if (polled[i].revents && !clients[i].lost) ReadClient(clients[i], result.delays, true);
    }
    now = NowUs();
  }
  for (const BenchClient& client : clients) result.sent += client.sent;
}

void Report(const Options& options, const std::vector<BenchClient>& clients,
            const RunResult& result, double serverCpu, double benchCpu,
            const std::string& loopLine) {
  long long received = 0;
  long long expected = 0;
  int lost = 0;
  for (const BenchClient& client : clients) {
    received += client.received;
    lost += client.lost ? 1 : 0;
    expected += result.sent - client.sent;
  }
  std::ifstream loadavg("/proc/loadavg");
  std::string load;
  std::getline(loadavg, load);
  std::printf("%d clients, %d movements/s each, %.0f s, server --flush-ms %s (load average %s)\n",
              options.clients, options.rate, options.seconds, options.flushMs.c_str(),
              load.substr(0, load.find(' ')).c_str());
  std::printf("movements in   %10lld  (%8.0f/s)\n", result.sent, result.sent / options.seconds);
  std::printf("relayed out    %10lld  (%8.0f/s), expected %lld, lost %lld\n", received,
              received / options.seconds, expected, expected - received);
  std::printf("lost connections %d\n", lost);
  PrintDelays(result.delays);
  std::printf("CPU seconds: server %.1f (%.0f%% of one core), simulated clients %.1f\n", serverCpu,
              100 * serverCpu / options.seconds, benchCpu);
  std::printf("server memory (VmRSS):");
  for (const auto& [seconds, kib] : result.memory) std::printf("  %.0fs %ld KiB", seconds, kib);
  std::printf("\nserver: %s\n", loopLine.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (options.help) {
    std::puts(
        "usage: bench_server_soak [--clients 100] [--rate 50] [--seconds 60] [--flush-ms 0]\n"
        "                         [--server PATH]\n"
        "Simulated players on 127.0.0.1 fly and relay movement through a fresh server; prints\n"
        "the relay delay (p50/p99/max), lost messages, the server's memory and CPU time.");
    return 0;
  }
  char pattern[] = "/tmp/velmarith-soak-XXXXXX";
  const std::filesystem::path scratch = mkdtemp(pattern);
  int port = 0;
  // Every player comes from 127.0.0.1: lift the limits a public server puts on one address.
  const std::string clientsAllowed = std::to_string(options.clients + 8);
  const pid_t server = StartServerProcess(
      options.server, scratch,
      {"--max-clients", clientsAllowed, "--flush-ms", options.flushMs, "--max-per-address",
       clientsAllowed, "--accounts-per-hour", clientsAllowed},
      port);
  if (server < 0) {
    std::fprintf(stderr, "the server did not start (%s)\n", options.server.c_str());
    return 1;
  }
  std::vector<BenchClient> clients(options.clients);
  for (int i = 0; i < options.clients; ++i) {
    if (!JoinClient(clients[i], port, i, "127.0.0.1")) {
      std::fprintf(stderr, "client %d could not join\n", i);
      kill(server, SIGKILL);
      return 1;
    }
  }
  Histogram ignored;
  for (BenchClient& client : clients) ReadClient(client, ignored, false);  // the joins of others
  for (BenchClient& client : clients) client.received = 0;

  const double benchBefore = OwnCpuSeconds();
  const double serverBefore = CpuSeconds(server);
  RunResult result;
  Run(options, clients, server, result);
  const double serverCpu = CpuSeconds(server) - serverBefore;
  const double benchCpu = OwnCpuSeconds() - benchBefore;
  const std::string loopLine = StopServerProcess(server, scratch);
  Report(options, clients, result, serverCpu, benchCpu, loopLine);
  for (BenchClient& client : clients) close(client.fd);
  std::filesystem::remove_all(scratch);
  return 0;
}
