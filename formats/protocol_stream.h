#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "formats/protocol.h"

// Reads the game-server protocol from a TCP stream. TCP keeps no message boundaries: one read may
// end inside a message or hold several. Feed every block of bytes as it arrives, then take
// messages until the reader needs more:
//
//   NetStreamReader reader = MakeStreamReader(NetDirection::kServerToClient);
//   FeedStream(reader, std::string_view(block, received));
//   for (;;) {
//     NetStreamItem item = NextStreamMessage(reader);
//     if (item.status == NetStreamStatus::kNeedMore) break;      // wait for the next read
//     if (item.status == NetStreamStatus::kMalformed) { close the connection; break; }
//     if (item.status == NetStreamStatus::kUnknownCode) continue; // the buffer was dropped
//     handle item.message (std::get_if<NetPlayerJoins>(&item.message) ...)
//   }
//
// Messages come out whole and in arrival order; an incomplete tail waits for the next feed.
// Taking only one message per frame is fine: the rest wait in order.
//
// Rules:
// - A message is read only when all its fields are there; a string ends at its zero byte.
// - A code this direction does not know cannot be measured, so everything buffered is dropped
//   (kUnknownCode, once) and reading starts afresh with the next bytes fed.
// - A file-transfer unit is recognised by its 8-byte mark at the start of a message. Its size must
//   lie in 0..limits.maxFileBytes; the whole unit is buffered and comes out as one NetFile.
// - A character list (110) carries no count: it ends at its first name that is empty after
//   trimming blanks, after its fifth name, or, when the names run to the end of the bytes
//   received, there (a server that sends one message per read stays understood). When such an
//   open list is followed by a lone zero byte in a later feed, that byte is the list's late empty
//   name and is skipped; no message starts with a zero byte.
// - A field that breaks a bound (a string longer than limits.maxFieldBytes, a 204 count out of
//   0..limits.maxPlayersPresent, a file size out of range) is kMalformed: the peer is broken or
//   hostile, the buffer is dropped and the reader stays failed. Close the connection.
struct NetStreamReader {
  NetDirection direction = NetDirection::kServerToClient;
  NetLimits limits;
  std::string buffer;  // bytes fed; those before `start` are taken
  std::size_t start = 0;
  bool failed = false;         // a malformed message was met: nothing more is read
  bool afterOpenList = false;  // the last message was an open character list
};

NetStreamReader MakeStreamReader(NetDirection direction, const NetLimits& limits = {});

// Appends received bytes. Does nothing once the reader has failed.
void FeedStream(NetStreamReader& reader, std::string_view bytes);

enum class NetStreamStatus {
  kMessage,      // `message` holds the next message
  kNeedMore,     // no complete message is buffered
  kUnknownCode,  // an unknown code: `dropped` bytes were thrown away
  kMalformed,    // a bound was broken: close the connection (returned again on every later call)
};

struct NetStreamItem {
  NetStreamStatus status = NetStreamStatus::kNeedMore;
  NetMessage message;
  int code = 0;             // the message's code (kNetFileUnit for a file); the unknown code
  std::size_t dropped = 0;  // kUnknownCode and kMalformed: bytes thrown away
};

// Takes the next complete message, if one is buffered.
NetStreamItem NextStreamMessage(NetStreamReader& reader);

// Whether the next message is a character list whose names run to the end of the bytes fed: its
// end may still be on its way. A caller that knows more bytes could follow may wait a little
// before taking it.
bool StreamEndsInOpenList(const NetStreamReader& reader);

// Bytes fed and not yet taken.
std::size_t PendingStreamBytes(const NetStreamReader& reader);
