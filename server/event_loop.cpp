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
#include <vector>

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr int kReadsPerTurn = 4;  // so that one busy client cannot starve the others
constexpr int kPollMilliseconds = 1000;

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::string PeerName(const sockaddr_storage& peer) {
  char host[INET6_ADDRSTRLEN] = "?";
  int port = 0;
  if (peer.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(peer);
    inet_ntop(AF_INET, &v4.sin_addr, host, sizeof host);
    port = ntohs(v4.sin_port);
  } else if (peer.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(peer);
    inet_ntop(AF_INET6, &v6.sin6_addr, host, sizeof host);
    port = ntohs(v6.sin6_port);
  }
  return std::string(host) + ":" + std::to_string(port);
}

void Log(Session& session, const std::string& line) {
  if (session.log) session.log(line);
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
    if (static_cast<int>(loop.sockets.size()) >= loop.maxClients) {
      Log(session, "[" + PeerName(peer) + "] refused: " + std::to_string(loop.maxClients) +
                       " clients connected");
      close(fd);
      continue;
    }
    // Movement messages are small and late ones are worthless: send each turn's bytes at once.
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    const int id = loop.nextClientId++;
    loop.sockets[id] = fd;
    OpenSessionClient(session, id, PeerName(peer), now);
  }
}

void ReadClient(ServerLoop& loop, Session& session, int id, int fd, double now) {
  static char block[kReadBlock];
  for (int i = 0; i < kReadsPerTurn; ++i) {
    const ssize_t got = recv(fd, block, sizeof block, 0);
    if (got > 0) {
      loop.bytesIn += static_cast<std::uint64_t>(got);
      ReceiveSessionBytes(session, id, std::string_view(block, static_cast<std::size_t>(got)), now);
      if (static_cast<std::size_t>(got) < sizeof block) return;
      continue;
    }
    SessionClient& client = session.clients.at(id);
    if (got == 0) {
      if (client.closeReason.empty()) client.closeReason = "disconnected";
    } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      if (client.closeReason.empty()) client.closeReason = std::string(std::strerror(errno));
    }
    return;
  }
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
      close(it->second);
      it = loop.sockets.erase(it);
      closed = true;
    }
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

void RunServerLoop(ServerLoop& loop, Session& session) {
  std::vector<pollfd> polled;
  std::vector<int> ids;
  double nextTurn = 0;
  for (;;) {
    // With a flush interval the loop turns at most that often, so that each turn's reads and
    // writes carry more messages; without one it turns whenever a socket is ready.
    if (const double early = nextTurn - SteadySeconds(); early > 0) {
      std::this_thread::sleep_for(std::chrono::duration<double>(early));
    }
    polled.assign({{loop.wakeRead, POLLIN, 0}, {loop.listenFd, POLLIN, 0}});
    ids.clear();
    for (const auto& [id, fd] : loop.sockets) {
      // Bytes still queued at this point are ones the kernel refused: wait until it takes more.
      const bool blocked = !session.clients.at(id).outgoing.empty();
      polled.push_back({fd, static_cast<short>(POLLIN | (blocked ? POLLOUT : 0)), 0});
      ids.push_back(id);
    }
    if (poll(polled.data(), polled.size(), kPollMilliseconds) < 0 && errno != EINTR) {
      Log(session, std::string("poll failed: ") + std::strerror(errno));
      return;
    }
    ++loop.turns;
    if (polled[0].revents & POLLIN) return;
    const double now = SteadySeconds();
    nextTurn = now + loop.flushInterval;
    for (std::size_t i = 0; i < ids.size(); ++i) {
      if (polled[i + 2].revents & (POLLIN | POLLHUP | POLLERR)) {
        ReadClient(loop, session, ids[i], polled[i + 2].fd, now);
      }
    }
    if (polled[1].revents & POLLIN) AcceptClients(loop, session, now);
    for (const auto& [id, fd] : loop.sockets) FlushClient(loop, session.clients.at(id), fd);
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
