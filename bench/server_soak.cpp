// Soak run of velmarith-server on loopback: simulated players in play, each sending movement at a
// steady rate, every movement relayed to all the others.
//   build/bench/bench_server_soak [--clients 100] [--rate 50] [--seconds 60] [--flush-ms 0]
//                                 [--server PATH]
// Prints messages a second in and out, the relay delay (send to arrival at each other player),
// lost messages and connections, the server's memory over time, its CPU time and how its loop
// coalesced writes. The server runs as its own process on a scratch game folder and database.
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "formats/file_io.h"
#include "formats/free_game.h"
#include "formats/protocol_stream.h"

extern char** environ;

namespace {

struct Options {
  int clients = 100;
  int rate = 50;  // movements a second per client
  double seconds = 60;
  std::string flushMs = "0";  // the server's --flush-ms
  std::string server = VELMARITH_SERVER_BINARY;
};

struct Client {
  int fd = -1;
  NetStreamReader reader;
  int number = 0;     // the player number the others see
  bool lost = false;  // the connection ended during the run
  long long sent = 0;
  long long received = 0;  // relayed movements
};

// Relay delays in 10-microsecond buckets up to one second.
struct Histogram {
  std::vector<long long> buckets = std::vector<long long>(100000, 0);
  long long over = 0;
  long long count = 0;
  long long maxUs = 0;
  void Add(long long us) {
    ++count;
    maxUs = std::max(maxUs, us);
    if (us < 0) us = 0;
    if (us / 10 < static_cast<long long>(buckets.size())) {
      ++buckets[us / 10];
    } else {
      ++over;
    }
  }
  double PercentileMs(double p) const {
    const long long wanted = static_cast<long long>(p * count);
    long long seen = 0;
    for (std::size_t i = 0; i < buckets.size(); ++i) {
      seen += buckets[i];
      if (seen > wanted) return (i + 1) * 0.01;
    }
    return maxUs / 1000.0;
  }
};

std::chrono::steady_clock::time_point gStart = std::chrono::steady_clock::now();

long long NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                               gStart)
      .count();
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--clients") options.clients = std::atoi(argv[i + 1]);
    if (name == "--rate") options.rate = std::atoi(argv[i + 1]);
    if (name == "--seconds") options.seconds = std::atof(argv[i + 1]);
    if (name == "--server") options.server = argv[i + 1];
    if (name == "--flush-ms") options.flushMs = argv[i + 1];
  }
  return options;
}

// A universe of two groups and one place, and the template game for it.
void WriteGameFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder / "INI" / "Heimat");
  std::filesystem::create_directories(folder / "SAVE");
  WriteFileAtomically(folder / "INI" / "Gruppen.ini",
                      "0    Spieler                  1.0  \r\n"
                      "1    Die Allianz              0.5  1.0  \r\n");
  WriteFileAtomically(folder / "INI" / "Universum.ini", "[Systeme]\r\nHeimat\r\n0\r\n0\r\n");
  WriteFileAtomically(folder / "INI" / "Heimat" / "System.ini",
                      "[Andockringe]\r\n  Andockring\r\n  Planet\r\n  Die Allianz\r\n"
                      "  45500\r\n  79000\r\n  0\r\n  0\r\n  0\r\n  0\r\n");
  // The template a game folder ships with: a fresh free game of this universe.
  WriteFileAtomically(folder / "SAVE" / "Neuer Charakter.sav",
                      WriteSavedGame(LoadFreeGameSave(folder)).bytes);
}

pid_t StartServer(const Options& options, const std::filesystem::path& scratch, int& port) {
  const std::filesystem::path portFile = scratch / "port";
  std::vector<std::string> arguments = {options.server,
                                        "--port",
                                        "0",
                                        "--port-file",
                                        portFile.string(),
                                        "--db",
                                        (scratch / "server.db").string(),
                                        "--game",
                                        (scratch / "game").string(),
                                        "--max-clients",
                                        std::to_string(options.clients + 8),
                                        "--flush-ms",
                                        options.flushMs};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, (scratch / "server.log").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  for (int i = 0; i < 1000 && pid > 0; ++i) {
    if (const auto text = ReadFileBytes(portFile); text && !text->empty()) {
      port = std::atoi(text->c_str());
      return pid;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return -1;
}

bool SendAll(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd polled{fd, POLLOUT, 0};
      poll(&polled, 1, 100);
      continue;
    }
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

// Waits for the next message of a given code; others are skipped.
std::optional<NetMessage> WaitFor(Client& client, int code) {
  char block[65536];
  for (int tries = 0; tries < 500;) {
    const NetStreamItem item = NextStreamMessage(client.reader);
    if (item.status == NetStreamStatus::kMessage) {
      if (item.code == code) return item.message;
      continue;
    }
    pollfd polled{client.fd, POLLIN, 0};
    if (poll(&polled, 1, 10) <= 0) {
      ++tries;
      continue;
    }
    const ssize_t got = recv(client.fd, block, sizeof block, 0);
    if (got <= 0) return std::nullopt;
    FeedStream(client.reader, std::string_view(block, static_cast<std::size_t>(got)));
  }
  return std::nullopt;
}

// Connects, makes an account and a character and joins.
bool JoinClient(Client& client, int port, int index) {
  client.fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const int on = 1;
  setsockopt(client.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  if (connect(client.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
  fcntl(client.fd, F_SETFL, O_NONBLOCK);
  client.reader = MakeStreamReader(NetDirection::kServerToClient);
  SendAll(client.fd, EncodeMessage(NetHello{""}));
  const auto account = WaitFor(client, kNetNewAccount);
  if (!account) return false;
  const std::string id = std::get<NetNewAccount>(*account).accountId;
  const std::string name = "Pilot " + std::to_string(index);
  SendAll(client.fd, EncodeMessage(NetCreateCharacter{id, name}));
  if (!WaitFor(client, kNetCharacterList)) return false;
  SendAll(client.fd, EncodeMessage(NetJoin{id, name}));
  return WaitFor(client, kNetFileUnit) && WaitFor(client, kNetPlayersPresent);
}

// Reads what arrived for one client and records each relayed movement's delay.
void ReadClient(Client& client, Histogram& delays, bool record) {
  static char block[1 << 16];
  for (;;) {
    const ssize_t got = recv(client.fd, block, sizeof block, 0);
    if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
      client.lost = true;
      return;
    }
    if (got < 0) break;
    FeedStream(client.reader, std::string_view(block, static_cast<std::size_t>(got)));
    if (got < static_cast<ssize_t>(sizeof block)) break;
  }
  const long long now = NowUs();
  for (;;) {
    const NetStreamItem item = NextStreamMessage(client.reader);
    if (item.status != NetStreamStatus::kMessage) break;
    if (const auto* move = std::get_if<NetPlayerMovement>(&item.message)) {
      ++client.received;
      if (record) delays.Add(now - move->movement.x);
    }
  }
}

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long long user = 0, system = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) user = std::atoll(field.c_str());
    if (i == 15) system = std::atoll(field.c_str());
  }
  return static_cast<double>(user + system) / sysconf(_SC_CLK_TCK);
}

struct RunResult {
  Histogram delays;
  long long sent = 0;
  std::vector<std::pair<double, long>> memory;  // seconds, KiB
  double runSeconds = 0;
};

// Sends on a fixed schedule (each client spread over the period) and reads between sends.
void Run(const Options& options, std::vector<Client>& clients, pid_t server, RunResult& result) {
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
      Client& client = clients[i];
      if (due[i] <= now && !client.lost) {
        const NetMovement move{
            2001, static_cast<int>(NowUs()), static_cast<int>(client.sent), 90, 0, 5};
        if (SendAll(client.fd, EncodeMessage(move))) ++client.sent;
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
  result.runSeconds = options.seconds;
  for (const Client& client : clients) result.sent += client.sent;
}

void Report(const Options& options, const std::vector<Client>& clients, const RunResult& result,
            double serverCpu, double benchCpu, const std::string& loopLine) {
  long long received = 0;
  long long expected = 0;
  int lost = 0;
  for (const Client& client : clients) {
    received += client.received;
    lost += client.lost ? 1 : 0;
    expected += result.sent - client.sent;
  }
  std::ifstream loadavg("/proc/loadavg");
  std::string load;
  std::getline(loadavg, load);
  std::printf("%d clients, %d movements/s each, %.0f s, server --flush-ms %s (load average %s)\n",
              options.clients, options.rate, result.runSeconds, options.flushMs.c_str(),
              load.substr(0, load.find(' ')).c_str());
  std::printf("movements in   %10lld  (%8.0f/s)\n", result.sent, result.sent / result.runSeconds);
  std::printf("relayed out    %10lld  (%8.0f/s), expected %lld, lost %lld\n", received,
              received / result.runSeconds, expected, expected - received);
  std::printf("lost connections %d\n", lost);
  const Histogram& d = result.delays;
  std::printf("relay delay ms: p50 %.2f  p90 %.2f  p99 %.2f  p99.9 %.2f  max %.2f\n",
              d.PercentileMs(0.5), d.PercentileMs(0.9), d.PercentileMs(0.99), d.PercentileMs(0.999),
              d.maxUs / 1000.0);
  std::printf("CPU seconds: server %.1f (%.0f%% of one core), simulated clients %.1f\n", serverCpu,
              100 * serverCpu / result.runSeconds, benchCpu);
  std::printf("server memory (VmRSS):");
  for (const auto& [seconds, kib] : result.memory) std::printf("  %.0fs %ld KiB", seconds, kib);
  std::printf("\nserver: %s\n", loopLine.c_str());
}

std::string LastLogLine(const std::filesystem::path& log, const std::string& containing) {
  std::ifstream in(log);
  std::string line, found;
  while (std::getline(in, line)) {
    if (line.find(containing) != std::string::npos) found = line;
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  char pattern[] = "/tmp/velmarith-soak-XXXXXX";
  const std::filesystem::path scratch = mkdtemp(pattern);
  WriteGameFolder(scratch / "game");
  int port = 0;
  const pid_t server = StartServer(options, scratch, port);
  if (server < 0) {
    std::fprintf(stderr, "the server did not start (%s)\n", options.server.c_str());
    return 1;
  }
  std::vector<Client> clients(options.clients);
  for (int i = 0; i < options.clients; ++i) {
    if (!JoinClient(clients[i], port, i)) {
      std::fprintf(stderr, "client %d could not join\n", i);
      kill(server, SIGKILL);
      return 1;
    }
  }
  Histogram ignored;
  for (Client& client : clients) ReadClient(client, ignored, false);  // the joins of others
  for (Client& client : clients) client.received = 0;

  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  const double serverBefore = CpuSeconds(server);
  RunResult result;
  Run(options, clients, server, result);
  const double serverCpu = CpuSeconds(server) - serverBefore;
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  const double benchCpu = seconds(after.ru_utime) - seconds(before.ru_utime) +
                          seconds(after.ru_stime) - seconds(before.ru_stime);

  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
  Report(options, clients, result, serverCpu, benchCpu,
         LastLogLine(scratch / "server.log", "shutting down after"));
  for (Client& client : clients) close(client.fd);
  std::filesystem::remove_all(scratch);
  return 0;
}
