#include "server_bench.h"

#include <arpa/inet.h>
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
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "formats/file_io.h"
#include "formats/free_game.h"

extern char** environ;

namespace {

const std::chrono::steady_clock::time_point gStart = std::chrono::steady_clock::now();

}  // namespace

long long NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                               gStart)
      .count();
}

void Histogram::Add(long long us) {
  ++count;
  maxUs = std::max(maxUs, us);
  us = std::max(us, 0LL);
  buckets[std::min<long long>(us / 10, buckets.size() - 1)] += 1;
}

double Histogram::PercentileMs(double p) const {
  const long long wanted = static_cast<long long>(p * count);
  long long seen = 0;
  for (std::size_t i = 0; i + 1 < buckets.size(); ++i) {
    seen += buckets[i];
    if (seen > wanted) return (i + 1) * 0.01;
  }
  return maxUs / 1000.0;
}

void WriteBenchGameFolder(const std::filesystem::path& folder) {
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

pid_t StartServerProcess(const std::string& server, const std::filesystem::path& scratch,
                         const std::vector<std::string>& options, int& port) {
  WriteBenchGameFolder(scratch / "game");
  const std::filesystem::path portFile = scratch / "port";
  std::vector<std::string> arguments = {server,
                                        "--port",
                                        "0",
                                        "--port-file",
                                        portFile.string(),
                                        "--db",
                                        (scratch / "server.db").string(),
                                        "--game",
                                        (scratch / "game").string()};
  arguments.insert(arguments.end(), options.begin(), options.end());
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

std::string StopServerProcess(pid_t server, const std::filesystem::path& scratch) {
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
  std::ifstream in(scratch / "server.log");
  std::string line, found;
  while (std::getline(in, line)) {
    if (line.find("shutting down after") != std::string::npos) found = line;
  }
  return found;
}

int ConnectFrom(const std::string& localAddress, int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  inet_pton(AF_INET, localAddress.c_str(), &local.sin_addr);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
      connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  fcntl(fd, F_SETFL, O_NONBLOCK);
  return fd;
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

std::optional<NetMessage> WaitFor(BenchClient& client, int code) {
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

bool JoinClient(BenchClient& client, int port, int index, const std::string& localAddress) {
  client.fd = ConnectFrom(localAddress, port);
  if (client.fd < 0) return false;
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

void ReadClient(BenchClient& client, Histogram& delays, bool record) {
  char block[1 << 16];
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

NetMovement TimedMovement(const BenchClient& client) {
  return {2001, static_cast<int>(NowUs()), static_cast<int>(client.sent), 90, 0, 5};
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

double OwnCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void PrintDelays(const Histogram& d) {
  std::printf(
      "relay delay ms: p50 %.2f  p90 %.2f  p99 %.2f  p99.9 %.2f  max %.2f  (%lld relayed)\n",
      d.PercentileMs(0.5), d.PercentileMs(0.9), d.PercentileMs(0.99), d.PercentileMs(0.999),
      d.maxUs / 1000.0, d.count);
}
