#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The game-server wire codec, shared by the game's network client and velmarith-server.
//
// On the wire an int is 4 bytes, little-endian, two's complement; a string is its Latin-1 bytes
// and one zero byte. A message is its code (an int) and its fields; there is no length prefix.
// A file travels as one file-transfer unit: the 8 bytes "ZORQVANT", the size as an int, the bytes.
//
// Building: EncodeMessage / AppendMessage turn any message record below into bytes.
// Reading one message from a byte range: ReadMessage. Reading a TCP stream, where messages arrive
// split or several at once: the NetStreamReader of "formats/protocol_stream.h".

// Which side sends. Codes 211 and 300 exist in both directions with different fields, so a reader
// must know whose messages it reads.
enum class NetDirection {
  kClientToServer,  // what the server reads
  kServerToClient,  // what the game reads
};

// Message codes.
inline constexpr int kNetHello = 101;
inline constexpr int kNetNewAccount = 103;
inline constexpr int kNetCharacterList = 110;
inline constexpr int kNetCreateCharacter = 121;
inline constexpr int kNetDeleteCharacter = 122;
inline constexpr int kNetNameTaken = 123;
inline constexpr int kNetJoin = 201;
inline constexpr int kNetPlayerJoins = 202;
inline constexpr int kNetPlayerLeaves = 203;
inline constexpr int kNetPlayersPresent = 204;
inline constexpr int kNetMovement = 211;
inline constexpr int kNetChat = 300;
// MessageCode's answer for a file-transfer unit, which has no code.
inline constexpr int kNetFileUnit = 0;

// The head of a file-transfer unit.
inline constexpr std::string_view kFileUnitMark = "ZORQVANT";
inline constexpr std::size_t kFileUnitHeadSize = 12;  // the mark and the size

// A character list holds at most this many names.
inline constexpr int kMaxListedCharacters = 5;

// --- client to server ---

struct NetHello {  // 101
  std::string accountId;
  bool operator==(const NetHello&) const = default;
};

struct NetCreateCharacter {  // 121
  std::string accountId;
  std::string name;
  bool operator==(const NetCreateCharacter&) const = default;
};

struct NetDeleteCharacter {  // 122
  std::string accountId;
  std::string name;
  bool operator==(const NetDeleteCharacter&) const = default;
};

struct NetJoin {  // 201
  std::string accountId;
  std::string name;
  bool operator==(const NetJoin&) const = default;
};

// 211 from a client: the local ship's movement, every float already rounded.
struct NetMovement {
  int type = 0;  // ship `type`
  int x = 0;
  int y = 0;
  int heading = 0;
  int turnRateMilli = 0;  // turnRate x 1000
  int speed = 0;          // speed + driveSpeed
  bool operator==(const NetMovement&) const = default;
};

struct NetChat {  // 300 from a client
  std::string text;
  bool operator==(const NetChat&) const = default;
};

// --- server to client ---

struct NetNewAccount {  // 103
  std::string accountId;
  bool operator==(const NetNewAccount&) const = default;
};

// 110. Encoded with at most five names; an empty name follows when there are fewer than five, so
// a stream reader knows where the list ends (after the fifth name the list ends by itself).
struct NetCharacterList {
  std::vector<std::string> names;
  bool operator==(const NetCharacterList&) const = default;
};

struct NetNameTaken {  // 123
  bool operator==(const NetNameTaken&) const = default;
};

struct NetPlayerJoins {  // 202
  int playerNumber = 0;
  std::string name;
  bool operator==(const NetPlayerJoins&) const = default;
};

struct NetPlayerLeaves {  // 203
  int playerNumber = 0;
  bool operator==(const NetPlayerLeaves&) const = default;
};

struct NetPresentPlayer {
  int playerNumber = 0;
  std::string name;
  bool operator==(const NetPresentPlayer&) const = default;
};

struct NetPlayersPresent {  // 204: the count on the wire is players.size()
  std::vector<NetPresentPlayer> players;
  bool operator==(const NetPlayersPresent&) const = default;
};

struct NetPlayerMovement {  // 211 from the server: whose ship, then the sender's fields
  int playerNumber = 0;
  NetMovement movement;
  bool operator==(const NetPlayerMovement&) const = default;
};

struct NetChatLine {  // 300 from the server: two coloured texts for the ticker
  int colour1 = 0;
  std::string text1;
  int colour2 = 0;
  std::string text2;
  bool operator==(const NetChatLine&) const = default;
};

// --- both directions ---

struct NetFile {  // a file-transfer unit; the receiver chooses where the bytes go
  std::string bytes;
  bool operator==(const NetFile&) const = default;
};

using NetMessage =
    std::variant<NetHello, NetCreateCharacter, NetDeleteCharacter, NetJoin, NetMovement, NetChat,
                 NetNewAccount, NetCharacterList, NetNameTaken, NetPlayerJoins, NetPlayerLeaves,
                 NetPlayersPresent, NetPlayerMovement, NetChatLine, NetFile>;

// The code a message goes out with; kNetFileUnit for a file.
int MessageCode(const NetMessage& message);

// --- building ---

// Appends the message's bytes. A string is written up to its first zero byte (a zero byte inside
// would end it on the wire and shift every later field). A character list writes at most five
// names and ends with an empty name when it has fewer.
void AppendMessage(std::string& out, const NetMessage& message);
std::string EncodeMessage(const NetMessage& message);

// The file-transfer unit for a file's bytes (which must be shorter than 2 GiB).
std::string EncodeFileUnit(std::string_view fileBytes);

// --- reading ---

// Bounds for reading. Every string, file and count is checked against them before anything is
// kept, so a hostile peer cannot make a reader hold more than these.
struct NetLimits {
  std::size_t maxFieldBytes = 4096;              // a string's bytes, without its zero byte
  std::int64_t maxFileBytes = 16 * 1024 * 1024;  // a file-transfer unit's announced size
  int maxPlayersPresent = 1024;                  // the count of a 204
};

enum class NetReadStatus {
  kComplete,     // `message` holds the message; `used` bytes were read
  kNeedMore,     // the range ends inside the message (a truncated range)
  kUnknownCode,  // the code is none of this direction's codes
  kMalformed,    // a field breaks a bound: a string too long, a negative or too large count or
                 // file size
};

struct NetReadResult {
  NetReadStatus status = NetReadStatus::kNeedMore;
  NetMessage message;
  std::size_t used = 0;  // bytes the message took (kComplete only)
  int code = 0;          // the code read, when four bytes were there
  // A character list that ended at the end of the range, with fewer than five names and without
  // its empty name: the empty name may still be on its way (see NetStreamReader).
  bool openList = false;
};

// Reads the message or file-transfer unit at the start of `bytes`. A string ends at its zero
// byte; a range that ends first gives kNeedMore. A character list (110) ends at its first name
// that is empty after trimming blanks (that name is read but not kept), after its fifth name, or
// at the end of the range when the range ends right after a name (or right after the code).
NetReadResult ReadMessage(std::string_view bytes, NetDirection direction,
                          const NetLimits& limits = {});

// The head of a file-transfer unit at the start of `bytes`: kComplete with `size` when the 12
// bytes are there and the size lies in 0..maxFileBytes; kNeedMore while fewer than 12 bytes are
// there and they begin like the mark; kMalformed for a bad size; kUnknownCode when the bytes do
// not begin with the mark.
struct NetFileHead {
  NetReadStatus status = NetReadStatus::kNeedMore;
  std::int64_t size = 0;
};
NetFileHead ReadFileHead(std::string_view bytes, std::int64_t maxFileBytes);

// Whether `bytes` could still become the mark: true for every prefix of "ZORQVANT" (the empty
// range included) and for ranges that begin with the whole mark.
bool StartsLikeFileUnit(std::string_view bytes);

// The four bytes of an int at `at`; the caller makes sure they are there.
std::int32_t WireInt(std::string_view bytes, std::size_t at);
void AppendWireInt(std::string& out, std::int32_t value);
