#include "fake_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

FakeServer::FakeServer() {
  listener = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, 4) != 0) {
    return;
  }
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
}

FakeServer::~FakeServer() {
  CloseClient(*this);
  if (listener >= 0) close(listener);
}

std::string FakeServerAddress(const FakeServer& server) {
  return "127.0.0.1:" + std::to_string(server.port);
}

void PumpFakeServer(FakeServer& server) {
  if (server.client < 0) {
    server.client = accept4(server.listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (server.client < 0) return;
    server.clientClosed = false;
    server.reader = MakeStreamReader(NetDirection::kClientToServer);
  }
  char block[65536];
  for (;;) {
    const ssize_t got = recv(server.client, block, sizeof block, 0);
    if (got > 0) {
      FeedStream(server.reader, std::string_view(block, static_cast<size_t>(got)));
      continue;
    }
    if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
      server.clientClosed = true;
      close(server.client);
      server.client = -1;
    }
    return;
  }
}

bool SendRaw(FakeServer& server, std::string_view bytes) {
  while (!bytes.empty() && server.client >= 0) {
    const ssize_t sent = send(server.client, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (sent > 0) bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return bytes.empty();
}

bool SendMessage(FakeServer& server, const NetMessage& message) {
  return SendRaw(server, EncodeMessage(message));
}

std::optional<NetMessage> TakeMessage(FakeServer& server) {
  for (;;) {
    NetStreamItem item = NextStreamMessage(server.reader);
    if (item.status == NetStreamStatus::kMessage) return item.message;
    if (item.status != NetStreamStatus::kUnknownCode) return std::nullopt;
  }
}

void CloseClient(FakeServer& server) {
  if (server.client >= 0) close(server.client);
  server.client = -1;
  server.clientClosed = true;
}
