#include "game/net/net_socket.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

// A non-blocking connect with a bounded wait, so that an unreachable server cannot hold the
// connect thread for minutes.
int ConnectWithin(const addrinfo& candidate, int timeoutMs) {
  const int fd =
      socket(candidate.ai_family, candidate.ai_socktype | SOCK_CLOEXEC, candidate.ai_protocol);
  if (fd < 0) return -1;
  if (!SetNonBlocking(fd)) {
    close(fd);
    return -1;
  }
  if (connect(fd, candidate.ai_addr, candidate.ai_addrlen) != 0) {
    if (errno != EINPROGRESS) {
      close(fd);
      return -1;
    }
    pollfd waiting{fd, POLLOUT, 0};
    int error = 0;
    socklen_t length = sizeof error;
    if (poll(&waiting, 1, timeoutMs) != 1 ||
        getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
      close(fd);
      return -1;
    }
  }
  return fd;
}

}  // namespace

int OpenClientSocket(const ServerAddress& address, int timeoutMs) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string port = std::to_string(address.port);
  if (getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found) != 0) return -1;
  int fd = -1;
  for (const addrinfo* candidate = found; candidate && fd < 0; candidate = candidate->ai_next) {
    fd = ConnectWithin(*candidate, timeoutMs);
  }
  freeaddrinfo(found);
  return fd;
}

bool SetNonBlocking(int socket) {
  const int flags = fcntl(socket, F_GETFL, 0);
  return flags >= 0 && fcntl(socket, F_SETFL, flags | O_NONBLOCK) == 0;
}

long SendSome(int socket, std::string_view bytes) {
  if (bytes.empty()) return 0;
  for (;;) {
    const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent >= 0) return static_cast<long>(sent);
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
    return -1;
  }
}

ReceiveStatus ReceiveSome(int socket, std::string& into, std::size_t limit) {
  char block[16384];
  bool any = false;
  while (limit > 0) {
    const std::size_t wanted = limit < sizeof block ? limit : sizeof block;
    const ssize_t received = recv(socket, block, wanted, 0);
    if (received > 0) {
      into.append(block, static_cast<std::size_t>(received));
      limit -= static_cast<std::size_t>(received);
      any = true;
      continue;
    }
    if (received == 0) return ReceiveStatus::kClosed;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) break;
    return ReceiveStatus::kFailed;
  }
  return any ? ReceiveStatus::kData : ReceiveStatus::kNothing;
}

bool WaitWritable(int socket, int timeoutMs) {
  pollfd waiting{socket, POLLOUT, 0};
  return poll(&waiting, 1, timeoutMs) == 1 && (waiting.revents & POLLOUT) != 0;
}

void CloseSocket(int socket) {
  if (socket >= 0) close(socket);
}
