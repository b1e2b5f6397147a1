#include "game/net/net_connection.h"

#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <system_error>
#include <thread>

#include "game/net/net_socket.h"

namespace {

constexpr int kConnectTimeoutMs = 10000;
// What one frame reads at most; the rest waits in the socket for the next frame.
constexpr std::size_t kReadPerFrame = 256 * 1024;
// What the stream reader may hold: above the largest single message (a 16 MiB file), so that a
// whole message always fits, while a server sending faster than the game takes cannot grow the
// game without bound (the rest waits in the socket, and TCP slows the server down).
constexpr std::size_t kMaxQueued = 17 * 1024 * 1024;
// How long a character list that ends with the bytes received waits for its end to follow.
constexpr auto kOpenListWait = std::chrono::milliseconds(100);
// A server that takes nothing of this much is not reading: the connection is given up.
constexpr std::size_t kMaxOutgoing = 4 * 1024 * 1024;
// How long closing waits for the socket to take what is still queued (a returned game).
constexpr int kCloseFlushMs = 1000;

// How long the connection must hold after a returned game's last byte for it to count as arrived.
constexpr auto kReturnSettles = std::chrono::seconds(2);

// The connect thread's result: a socket, or one of these.
constexpr int kPending = -1;
constexpr int kFailed = -2;
constexpr int kAbandoned = -3;

}  // namespace

struct ConnectAttempt {
  std::atomic<int> result{kPending};
};

namespace {

// Ends the connection at once, without sending what is queued (the peer is gone or broken).
void DropConnection(NetState& net, const std::string& why) {
  CloseSocket(net.socket);
  net.socket = -1;
  net.serverConnection = 0;
  net.outgoing.clear();
  net.lostReason = why;
  net.returnPending = false;  // whatever of a returned game went out is not known to have arrived
}

void AbandonConnecting(NetState& net) {
  if (!net.connecting) return;
  // The thread closes the socket itself if it connects after this.
  const int old = net.connecting->result.exchange(kAbandoned);
  if (old >= 0) CloseSocket(old);
  net.connecting.reset();
}

bool Flush(NetState& net) {
  while (!net.outgoing.empty()) {
    const long sent = SendSome(net.socket, net.outgoing);
    if (sent < 0) return false;
    if (sent == 0) break;
    net.outgoing.erase(0, static_cast<std::size_t>(sent));
  }
  return true;
}

using Clock = std::chrono::steady_clock;

// After a flush: the moment a returned game's last byte left.
void NoteReturnWritten(NetState& net) {
  if (net.returnPending && net.outgoing.empty() && net.returnWrittenAt == Clock::time_point{}) {
    net.returnWrittenAt = Clock::now();
  }
}

// `arrivedSince`: bytes came from the server after the game's last byte had left.
void CheckReturnSettled(NetState& net, bool arrivedSince) {
  if (!net.returnPending || net.returnWrittenAt == Clock::time_point{}) return;
  if (arrivedSince || Clock::now() - net.returnWrittenAt >= kReturnSettles) {
    net.returnPending = false;
    net.returnConfirmed = true;
  }
}

// Closing: a returned game gets what is left of its 2 seconds to count as arrived.
void AwaitReturnSettled(NetState& net) {
  NoteReturnWritten(net);
  while (net.returnPending && net.returnWrittenAt != Clock::time_point{}) {
    std::string arrived;
    const ReceiveStatus status = ReceiveSome(net.socket, arrived, kReadPerFrame);
    if (status == ReceiveStatus::kClosed || status == ReceiveStatus::kFailed) {
      net.returnPending = false;
      return;
    }
    CheckReturnSettled(net, !arrived.empty());
    if (net.returnPending) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace

void ExpectReturnConfirmation(NetState& net) {
  net.returnPending = Connected(net);
  net.returnWrittenAt = {};
  net.returnConfirmed = false;
}

bool TakeReturnConfirmed(NetState& net) {
  const bool confirmed = net.returnConfirmed;
  net.returnConfirmed = false;
  return confirmed;
}

void StartConnecting(NetState& net, const ServerAddress& address) {
  CloseServerConnection(net);
  net.lostReason.clear();
  auto attempt = std::make_shared<ConnectAttempt>();
  try {
    std::thread([attempt, address] {
      const int socket = OpenClientSocket(address, kConnectTimeoutMs);
      int expected = kPending;
      if (!attempt->result.compare_exchange_strong(expected, socket >= 0 ? socket : kFailed) &&
          socket >= 0) {
        CloseSocket(socket);
      }
    }).detach();
  } catch (const std::system_error&) {
    attempt->result.store(kFailed);
  }
  net.connecting = std::move(attempt);
}

bool TakeConnectResult(NetState& net) {
  if (!net.connecting) return false;
  const int result = net.connecting->result.load();
  if (result == kPending) return false;
  net.connecting.reset();
  if (result < 0 || !SetNonBlocking(result)) {
    if (result >= 0) CloseSocket(result);
    net.serverConnection = kConnectFailed;
    return false;
  }
  net.socket = result;
  net.serverConnection = kServerConnected;
  net.reader = MakeStreamReader(NetDirection::kServerToClient);
  net.outgoing.clear();
  return true;
}

bool Connected(const NetState& net) {
  return net.socket >= 0;
}

void SendToServer(NetState& net, const NetMessage& message) {
  if (Connected(net)) AppendMessage(net.outgoing, message);
}

void SendFileToServer(NetState& net, std::string_view fileBytes) {
  if (Connected(net)) net.outgoing += EncodeFileUnit(fileBytes);
}

bool PumpConnection(NetState& net) {
  if (!Connected(net)) return true;
  if (!Flush(net)) {
    DropConnection(net, "sending failed");
    return false;
  }
  if (net.outgoing.size() > kMaxOutgoing) {
    DropConnection(net, "the server takes nothing");
    return false;
  }
  // Only bytes read in a later pump than the game's last byte left came after it.
  const bool returnWrittenBefore = net.returnWrittenAt != Clock::time_point{};
  NoteReturnWritten(net);
  const std::size_t queued = PendingStreamBytes(net.reader);
  if (queued >= kMaxQueued) {
    CheckReturnSettled(net, false);
    return true;
  }
  std::string arrived;
  const ReceiveStatus status =
      ReceiveSome(net.socket, arrived, std::min(kReadPerFrame, kMaxQueued - queued));
  if (!arrived.empty()) net.lastArrival = std::chrono::steady_clock::now();
  FeedStream(net.reader, arrived);
  if (status == ReceiveStatus::kClosed || status == ReceiveStatus::kFailed) {
    DropConnection(net,
                   status == ReceiveStatus::kClosed ? "closed by the server" : "receiving failed");
    return false;
  }
  CheckReturnSettled(net, returnWrittenBefore && !arrived.empty());
  return true;
}

NetStreamItem NextServerMessage(NetState& net) {
  // A list of fewer than five names may come without its empty name, so the end of a read may
  // be the end of the list or the middle of it: a moment's wait tells.
  if (Connected(net) && StreamEndsInOpenList(net.reader) &&
      std::chrono::steady_clock::now() - net.lastArrival < kOpenListWait) {
    return NetStreamItem{};
  }
  NetStreamItem item = NextStreamMessage(net.reader);
  if (item.status == NetStreamStatus::kMalformed && Connected(net)) {
    DropConnection(net, "a message past the bounds (code " + std::to_string(item.code) + ")");
  }
  return item;
}

void CloseServerConnection(NetState& net) {
  AbandonConnecting(net);
  if (Connected(net)) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kCloseFlushMs);
    while (Flush(net) && !net.outgoing.empty() && std::chrono::steady_clock::now() < deadline) {
      WaitWritable(net.socket, 50);
    }
    if (net.outgoing.empty()) AwaitReturnSettled(net);
    // Saying goodbye before closing: a close with unread bytes would reset the connection, and
    // the server could lose what it had not read yet.
    shutdown(net.socket, SHUT_WR);
    std::string unread;
    ReceiveSome(net.socket, unread, kReadPerFrame);
    CloseSocket(net.socket);
    net.socket = -1;
  }
  net.returnPending = false;
  net.outgoing.clear();
  net.serverConnection = 0;
  net.reader = MakeStreamReader(NetDirection::kServerToClient);
}
