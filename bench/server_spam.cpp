// Two players relay movement through velmarith-server while one address spams it with account
// and character requests (hello, create, delete, join), reconnecting at once whenever the server
// drops a connection. Measures what the players feel: the relay delay.
//   build/bench/bench_server_spam [--seconds 20] [--rate 50] [--spam-connections 8]
//                                 [--spam-rate 1.9] [--spam-burst 4] [--server PATH]
// --spam-rate is requests a second per connection after a burst (just under the server's
// default limit of 2 a second with bursts of 5); 0 floods as fast as the sockets take them.
// The players connect from 127.0.0.1, the spammer from 127.0.0.2, and the server runs with its
// default limits.
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "server_bench.h"

namespace {

constexpr const char* kPlayerAddress = "127.0.0.1";
constexpr const char* kSpamAddress = "127.0.0.2";

struct Options {
  double seconds = 20;
  int rate = 50;  // movements a second per player
  int spamConnections = 8;
  double spamRate = 1.9;
  double spamBurst = 4;
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
    if (name == "--seconds") options.seconds = std::atof(value);
    if (name == "--rate") options.rate = std::atoi(value);
    if (name == "--spam-connections") options.spamConnections = std::atoi(value);
    if (name == "--spam-rate") options.spamRate = std::atof(value);
    if (name == "--spam-burst") options.spamBurst = std::atof(value);
    if (name == "--server") options.server = value;
  }
  return options;
}

struct Spammer {
  int index = 0;
  int fd = -1;
  double tokens = 0;  // the spammer's own bucket, kept just under the server's
  long long lastUs = 0;
  int step = 0;
  std::string pending;  // bytes not yet taken by the socket
  NetStreamReader reader;
};

struct SpamCounts {
  long long requests = 0;
  long long answers = 0;
  long long dropped = 0;  // connections the server closed
};

// The cycle of requests: two changes (a synced commit each), a delete and a join of names that do
// not exist, an empty name, a hello.
std::string NextRequest(Spammer& spammer, const std::string& account) {
  const std::string own = "Spam " + std::to_string(spammer.index);
  switch (spammer.step++ % 6) {
    case 0:
      return EncodeMessage(NetCreateCharacter{account, own});
    case 1:
      return EncodeMessage(NetDeleteCharacter{account, own});
    case 2:
      return EncodeMessage(NetDeleteCharacter{account, "Niemand"});
    case 3:
      return EncodeMessage(NetCreateCharacter{account, ""});
    case 4:
      return EncodeMessage(NetHello{account});
    default:
      return EncodeMessage(NetJoin{account, "Niemand"});
  }
}

void Reconnect(Spammer& spammer, const Options& options, const std::string& account, int port) {
  spammer.fd = ConnectFrom(kSpamAddress, port);
  spammer.tokens = options.spamBurst;
  spammer.lastUs = NowUs();
  spammer.pending = EncodeMessage(NetHello{account});
  spammer.reader = MakeStreamReader(NetDirection::kServerToClient);
}

// Queues what the spammer may send now and sends as much as the socket takes.
void Spam(Spammer& spammer, const Options& options, const std::string& account,
          SpamCounts& counts) {
  const long long now = NowUs();
  if (options.spamRate <= 0) {
    while (spammer.pending.size() < 65536) {
      spammer.pending += NextRequest(spammer, account);
      ++counts.requests;
    }
  } else {
    spammer.tokens = std::min(options.spamBurst,
                              spammer.tokens + (now - spammer.lastUs) * options.spamRate / 1e6);
    spammer.lastUs = now;
    for (; spammer.tokens >= 1; spammer.tokens -= 1) {
      spammer.pending += NextRequest(spammer, account);
      ++counts.requests;
    }
  }
  const ssize_t sent =
      send(spammer.fd, spammer.pending.data(), spammer.pending.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  if (sent > 0) spammer.pending.erase(0, static_cast<std::size_t>(sent));
}

// Reads and counts the answers; false when the server closed the connection.
bool ReadAnswers(Spammer& spammer, SpamCounts& counts) {
  char block[65536];
  for (;;) {
    const ssize_t got = recv(spammer.fd, block, sizeof block, MSG_DONTWAIT);
    if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) return false;
    if (got < 0) return true;
    FeedStream(spammer.reader, std::string_view(block, static_cast<std::size_t>(got)));
    while (NextStreamMessage(spammer.reader).status == NetStreamStatus::kMessage) ++counts.answers;
  }
}

struct Run {
  Histogram delays;
  SpamCounts spam;
  long memoryStart = 0, memoryPeak = 0, memoryEnd = 0;
};

void RunSpam(const Options& options, std::vector<BenchClient>& players,
             std::vector<Spammer>& spammers, const std::string& account, int port, pid_t server,
             Run& run) {
  const long long periodUs = 1000000 / options.rate;
  const long long start = NowUs();
  const long long end = start + static_cast<long long>(options.seconds * 1e6);
  std::vector<long long> due = {start, start + periodUs / 2};
  long long nextMemory = start;
  std::vector<pollfd> polled;
  for (long long now = start; now < end + 1000000; now = NowUs()) {
    const bool sending = now < end;
    for (std::size_t i = 0; i < players.size() && sending; ++i) {
      if (due[i] > now || players[i].lost) continue;
      if (SendAll(players[i].fd, EncodeMessage(TimedMovement(players[i])))) ++players[i].sent;
      due[i] += periodUs;
    }
    for (Spammer& spammer : spammers) {
      if (!sending) break;
      if (spammer.fd < 0) Reconnect(spammer, options, account, port);
      if (spammer.fd >= 0) Spam(spammer, options, account, run.spam);
    }
    if (now >= nextMemory) {
      const long kib = ResidentKiB(server);
      if (run.memoryStart == 0) run.memoryStart = kib;
      run.memoryPeak = std::max(run.memoryPeak, kib);
      nextMemory += 250000;
    }
    polled.clear();
    for (const BenchClient& player : players) polled.push_back({player.fd, POLLIN, 0});
    for (const Spammer& spammer : spammers) {
      polled.push_back(
          {spammer.fd, static_cast<short>(POLLIN | (spammer.pending.empty() ? 0 : POLLOUT)), 0});
    }
    const timespec timeout{0, 500000};
    ppoll(polled.data(), polled.size(), &timeout, nullptr);
    for (std::size_t i = 0; i < players.size(); ++i) {
      if (polled[i].revents && !players[i].lost) ReadClient(players[i], run.delays, true);
    }
    for (std::size_t i = 0; i < spammers.size(); ++i) {
      Spammer& spammer = spammers[i];
      if (spammer.fd < 0 || !(polled[players.size() + i].revents & (POLLIN | POLLHUP | POLLERR))) {
        continue;
      }
      if (!ReadAnswers(spammer, run.spam)) {
        close(spammer.fd);
        spammer.fd = -1;
        ++run.spam.dropped;
      }
    }
  }
  run.memoryEnd = ResidentKiB(server);
}

void Report(const Options& options, const std::vector<BenchClient>& players, const Run& run,
            double serverCpu, double benchCpu, const std::string& loopLine) {
  std::ifstream loadavg("/proc/loadavg");
  std::string load;
  std::getline(loadavg, load);
  std::printf("spam from %s: %d connections, %s, %.0f s (load average %s)\n", kSpamAddress,
              options.spamConnections,
              options.spamRate > 0
                  ? (std::to_string(options.spamRate) + " requests/s each after a burst of " +
                     std::to_string(static_cast<int>(options.spamBurst)))
                        .c_str()
                  : "flooding",
              options.seconds, load.substr(0, load.find(' ')).c_str());
  std::printf("spam requests queued %lld (%.0f/s), answers %lld, connections dropped %lld\n",
              run.spam.requests, run.spam.requests / options.seconds, run.spam.answers,
              run.spam.dropped);
  long long sent = 0, received = 0;
  for (const BenchClient& player : players) sent += player.sent, received += player.received;
  std::printf("2 players from %s, %d movements/s each: sent %lld, relayed %lld, lost %lld\n",
              kPlayerAddress, options.rate, sent, received, sent - received);
  PrintDelays(run.delays);
  std::printf("server memory (VmRSS): start %ld KiB, peak %ld KiB, end %ld KiB\n", run.memoryStart,
              run.memoryPeak, run.memoryEnd);
  std::printf("CPU seconds: server %.1f (%.0f%% of one core), benchmark %.1f\n", serverCpu,
              100 * serverCpu / options.seconds, benchCpu);
  std::printf("server: %s\n", loopLine.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (options.help) {
    std::puts(
        "usage: bench_server_spam [--seconds 20] [--rate 50] [--spam-connections 8]\n"
        "                         [--spam-rate 1.9] [--spam-burst 4] [--server PATH]\n"
        "Two players on 127.0.0.1 relay movement while 127.0.0.2 spams account and character\n"
        "requests (--spam-rate 0 floods); prints the relay delay (p50/p99/max) and the server's\n"
        "memory and CPU time.");
    return 0;
  }
  char pattern[] = "/tmp/velmarith-spam-XXXXXX";
  const std::filesystem::path scratch = mkdtemp(pattern);
  int port = 0;
  const pid_t server = StartServerProcess(options.server, scratch, {}, port);
  if (server < 0) {
    std::fprintf(stderr, "the server did not start (%s)\n", options.server.c_str());
    return 1;
  }
  std::vector<BenchClient> players(2);
  for (int i = 0; i < 2; ++i) {
    if (!JoinClient(players[i], port, i, kPlayerAddress)) {
      std::fprintf(stderr, "player %d could not join\n", i);
      kill(server, SIGKILL);
      return 1;
    }
  }
  Histogram ignored;
  for (BenchClient& player : players) ReadClient(player, ignored, false);
  for (BenchClient& player : players) player.received = 0;
  // The spammer's one account.
  BenchClient first;
  first.fd = ConnectFrom(kSpamAddress, port);
  first.reader = MakeStreamReader(NetDirection::kServerToClient);
  SendAll(first.fd, EncodeMessage(NetHello{""}));
  const auto made = first.fd >= 0 ? WaitFor(first, kNetNewAccount) : std::nullopt;
  if (!made) {
    std::fprintf(stderr, "the spammer got no account\n");
    kill(server, SIGKILL);
    return 1;
  }
  close(first.fd);
  const std::string account = std::get<NetNewAccount>(*made).accountId;

  std::vector<Spammer> spammers(options.spamConnections);
  for (int i = 0; i < options.spamConnections; ++i) spammers[i].index = i;
  const double benchBefore = OwnCpuSeconds();
  const double serverBefore = CpuSeconds(server);
  Run run;
  RunSpam(options, players, spammers, account, port, server, run);
  const double serverCpu = CpuSeconds(server) - serverBefore;
  const double benchCpu = OwnCpuSeconds() - benchBefore;
  const std::string loopLine = StopServerProcess(server, scratch);
  Report(options, players, run, serverCpu, benchCpu, loopLine);
  for (const BenchClient& player : players) close(player.fd);
  for (const Spammer& spammer : spammers) {
    if (spammer.fd >= 0) close(spammer.fd);
  }
  if (!std::getenv("KEEP")) std::filesystem::remove_all(scratch);
  return 0;
}
