#include "server/event_loop.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr int kPollMilliseconds = 1000;
constexpr int kKeepIdleSeconds = 60;
constexpr int kKeepIntervalSeconds = 10;
constexpr int kKeepProbes = 3;

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// "127.0.0.1:40312", "[::1]:40312".
std::string PeerName(const sockaddr_storage& peer) {
  char host[INET6_ADDRSTRLEN] = "?";
  if (peer.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(peer);
    inet_ntop(AF_INET, &v4.sin_addr, host, sizeof host);
    return std::string(host) + ":" + std::to_string(ntohs(v4.sin_port));
  }
  int port = 0;
  if (peer.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(peer);
    inet_ntop(AF_INET6, &v6.sin6_addr, host, sizeof host);
    port = ntohs(v6.sin6_port);
  }
  return "[" + std::string(host) + "]:" + std::to_string(port);
}

void Log(Session& session, const std::string& line) {
  if (session.log) session.log(line);
}

// Why a new connection from `address` is refused; empty when it may come.
std::string AcceptRefusal(const ServerLoop& loop, const std::string& address) {
  if (static_cast<int>(loop.sockets.size()) >= loop.maxClients) {
    return std::to_string(loop.maxClients) + " clients connected";
  }
  const auto count = loop.perAddress.find(address);
  if (count != loop.perAddress.end() && count->second >= loop.maxPerAddress) {
    return std::to_string(count->second) + " connections from " + address;
  }
  return "";
}

void AcceptClients(ServerLoop& loop, Session& session, double now) {
  for (;;) {
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    const int fd = accept4(loop.listenFd, reinterpret_cast<sockaddr*>(&peer), &length,
                           SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ECONNABORTED) {
        Log(session, std::string("accept failed: ") + std::strerror(errno));
      }
      return;
    }
    const std::string name = PeerName(peer);
    const std::string address = PeerAddress(name);
    if (const std::string refusal = AcceptRefusal(loop, address); !refusal.empty()) {
      LogForAddress(session, address, "[" + name + "] refused: " + refusal);
      close(fd);
      continue;
    }
    SetClientSocketOptions(fd);
    const int id = loop.nextClientId++;
    loop.sockets[id] = {fd, address};
    ++loop.perAddress[address];
    OpenSessionClient(session, id, name, now);
  }
}

// One read a turn: the session handles its messages up to the turn's budget, and the socket is
// read again only once they are done.
void ReadClient(ServerLoop& loop, Session& session, int id, int fd, double now) {
  const ssize_t got = recv(fd, loop.readBlock.data(), loop.readBlock.size(), 0);
  if (got > 0) {
    loop.bytesIn += static_cast<std::uint64_t>(got);
    ReceiveSessionBytes(
        session, id, std::string_view(loop.readBlock.data(), static_cast<std::size_t>(got)), now);
    return;
  }
  SessionClient& client = session.clients.at(id);
  if (got == 0) {
    if (client.closeReason.empty()) client.closeReason = "disconnected";
  } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
    if (client.closeReason.empty()) client.closeReason = std::string(std::strerror(errno));
  }
}

// Whether the client's socket is read this turn: not while its messages wait for the store or
// for the next turn's budget.
bool MayRead(const SessionClient& client) {
  return client.closeReason.empty() && !client.waiting && !client.backlog;
}

// Sends what is queued for the client with one call; what the socket does not take waits.
void FlushClient(ServerLoop& loop, SessionClient& client, int fd) {
  if (client.outgoing.empty() || !client.closeReason.empty()) return;
  ++loop.sendCalls;
  const ssize_t sent = send(fd, client.outgoing.data(), client.outgoing.size(), MSG_NOSIGNAL);
  if (sent < 0) {
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      client.closeReason = std::string(std::strerror(errno));
    }
    return;
  }
  loop.bytesOut += static_cast<std::uint64_t>(sent);
  client.outgoing.erase(0, static_cast<std::size_t>(sent));
}

void CloseMarkedClients(ServerLoop& loop, Session& session) {
  // Closing one client queues 203 for the others and may push one over its cap: repeat.
  for (bool closed = true; closed;) {
    closed = false;
    for (auto it = loop.sockets.begin(); it != loop.sockets.end();) {
      const auto client = session.clients.find(it->first);
      if (client != session.clients.end() && client->second.closeReason.empty()) {
        ++it;
        continue;
      }
      if (client != session.clients.end()) {
        const std::string why = client->second.closeReason;
        CloseSessionClient(session, it->first, why);
      }
      close(it->second.fd);
      if (--loop.perAddress[it->second.address] <= 0) loop.perAddress.erase(it->second.address);
      it = loop.sockets.erase(it);
      closed = true;
    }
  }
}

// The store's answers, then the clients they (or last turn's budget) held up.
void ServeWaitingClients(Session& session, StorageWorker& worker, bool answered, double now) {
  if (answered) {
    for (const StorageAnswer& answer : TakeStorageAnswers(worker)) {
      FinishStorageJob(session, answer, now);
    }
  }
  for (auto& [id, client] : session.clients) {
    if (SessionClientReady(client)) ServeSessionClient(session, id, now);
  }
}

bool OpenListener(ServerLoop& loop, const std::string& address, int port, std::string* error) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICHOST | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (const int code = getaddrinfo(address.c_str(), service.c_str(), &hints, &found); code != 0) {
    *error = "cannot listen on " + address + ": " + gai_strerror(code);
    return false;
  }
  const int fd = socket(found->ai_family, found->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  const int on = 1;
  const bool ok = fd >= 0 && setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0 &&
                  bind(fd, found->ai_addr, found->ai_addrlen) == 0 && listen(fd, 128) == 0;
  freeaddrinfo(found);
  if (!ok) {
    *error = "cannot listen on " + address + " port " + service + ": " + std::strerror(errno);
    if (fd >= 0) close(fd);
    return false;
  }
  sockaddr_storage bound{};
  socklen_t length = sizeof bound;
  getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length);
  loop.listenFd = fd;
  loop.address = PeerName(bound);
  loop.port = bound.ss_family == AF_INET6
                  ? ntohs(reinterpret_cast<const sockaddr_in6&>(bound).sin6_port)
                  : ntohs(reinterpret_cast<const sockaddr_in&>(bound).sin_port);
  return true;
}

}  // namespace

bool OpenServerLoop(ServerLoop& loop, const std::string& address, int port, int maxClients,
                    std::string* error) {
  loop.maxClients = maxClients;
  int wake[2];
  if (pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0) {
    *error = std::string("cannot make a pipe: ") + std::strerror(errno);
    return false;
  }
  loop.wakeRead = wake[0];
  loop.wakeWrite = wake[1];
  return OpenListener(loop, address, port, error);
}

void StopServerLoop(const ServerLoop& loop) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = write(loop.wakeWrite, &byte, 1);
}

void SetClientSocketOptions(int fd) {
  // Movement messages are small and late ones are worthless: send each turn's bytes at once.
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  // Linux would wait two hours before probing a silent peer.
  setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &kKeepIdleSeconds, sizeof kKeepIdleSeconds);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &kKeepIntervalSeconds, sizeof kKeepIntervalSeconds);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &kKeepProbes, sizeof kKeepProbes);
}

void RunServerLoop(ServerLoop& loop, Session& session, StorageWorker& worker) {
  constexpr std::size_t kFirstClient = 3;  // after the wake-up pipe, the listener, the worker
  loop.readBlock.resize(kReadBlock);
  std::vector<pollfd> polled;
  std::vector<int> ids;
  double nextTurn = 0;
  for (;;) {
    // With a flush interval the loop turns at most that often, so that each turn's reads and
    // writes carry more messages; without one it turns whenever a socket is ready.
    if (const double early = nextTurn - SteadySeconds(); early > 0) {
      std::this_thread::sleep_for(std::chrono::duration<double>(early));
    }
    polled.assign(
        {{loop.wakeRead, POLLIN, 0}, {loop.listenFd, POLLIN, 0}, {worker.wakeRead, POLLIN, 0}});
    ids.clear();
    bool ready = false;
    for (const auto& [id, socket] : loop.sockets) {
      const SessionClient& client = session.clients.at(id);
      // Bytes still queued at this point are ones the kernel refused: wait until it takes more.
      const bool blocked = !client.outgoing.empty();
      polled.push_back(
          {socket.fd, static_cast<short>((MayRead(client) ? POLLIN : 0) | (blocked ? POLLOUT : 0)),
           0});
      ids.push_back(id);
      ready |= SessionClientReady(client);
    }
    if (poll(polled.data(), polled.size(), ready ? 0 : kPollMilliseconds) < 0 && errno != EINTR) {
      Log(session, std::string("poll failed: ") + std::strerror(errno));
      return;
    }
    ++loop.turns;
    if (polled[0].revents & POLLIN) return;
    const double now = SteadySeconds();
    nextTurn = now + loop.flushInterval;
    ServeWaitingClients(session, worker, polled[2].revents & POLLIN, now);
    for (std::size_t i = 0; i < ids.size(); ++i) {
      const pollfd& client = polled[i + kFirstClient];
      if ((client.events & POLLIN) && (client.revents & (POLLIN | POLLHUP | POLLERR))) {
        ReadClient(loop, session, ids[i], client.fd, now);
      } else if (client.revents & (POLLHUP | POLLERR)) {
        SessionClient& gone = session.clients.at(ids[i]);
        if (gone.closeReason.empty()) gone.closeReason = "disconnected";
      }
    }
    if (polled[1].revents & POLLIN) AcceptClients(loop, session, now);
    for (; !session.jobs.empty(); session.jobs.pop_front()) {
      PostStorageJob(worker, std::move(session.jobs.front()));
    }
    for (const auto& [id, socket] : loop.sockets) {
      FlushClient(loop, session.clients.at(id), socket.fd);
    }
    CheckSessionDeadlines(session, now);
    CloseMarkedClients(loop, session);
  }
}

void CloseServerLoop(ServerLoop& loop, Session& session) {
  for (auto& [id, client] : session.clients) {
    if (client.closeReason.empty()) client.closeReason = "server shutting down";
  }
  CloseMarkedClients(loop, session);
  for (int* fd : {&loop.listenFd, &loop.wakeRead, &loop.wakeWrite}) {
    if (*fd >= 0) close(*fd);
    *fd = -1;
  }
}
