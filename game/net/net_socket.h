#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/net/server_address.h"

// The few POSIX socket operations the client uses. A socket is a file descriptor; -1 is none.

// Opens a TCP connection, trying every address the host resolves to, waiting at most
// `timeoutMs` for each. Blocks: the connect thread calls it. -1 when no address answers.
int OpenClientSocket(const ServerAddress& address, int timeoutMs);

// Makes reading and sending return at once instead of waiting.
bool SetNonBlocking(int socket);

// Sends what the socket takes now; the count sent (0 when it takes nothing now), -1 when the
// connection has failed. Never raises SIGPIPE.
long SendSome(int socket, std::string_view bytes);

enum class ReceiveStatus {
  kData,     // bytes were appended
  kNothing,  // nothing waiting now
  kClosed,   // the peer closed the connection
  kFailed,   // the connection failed
};

// Appends at most `limit` waiting bytes to `into`.
ReceiveStatus ReceiveSome(int socket, std::string& into, std::size_t limit);

// Waits up to `timeoutMs` until the socket can take more bytes; false on a failure or time-out.
bool WaitWritable(int socket, int timeoutMs);

void CloseSocket(int socket);
