#include "formats/protocol.h"

#include <algorithm>
#include <type_traits>

#include "formats/text_rules.h"

namespace {

void AppendWireString(std::string& out, std::string_view text) {
  const std::size_t zero = text.find('\0');
  out.append(text.substr(0, zero));
  out.push_back('\0');
}

void AppendMovementFields(std::string& out, const NetMovement& movement) {
  AppendWireInt(out, movement.type);
  AppendWireInt(out, movement.x);
  AppendWireInt(out, movement.y);
  AppendWireInt(out, movement.heading);
  AppendWireInt(out, movement.turnRateMilli);
  AppendWireInt(out, movement.speed);
}

void AppendCharacterList(std::string& out, const NetCharacterList& list) {
  AppendWireInt(out, kNetCharacterList);
  int written = 0;
  for (const std::string& name : list.names) {
    if (written == kMaxListedCharacters) break;
    AppendWireString(out, name);
    ++written;
  }
  if (written < kMaxListedCharacters) AppendWireString(out, "");
}

int CodeOf(const NetHello&) {
  return kNetHello;
}
int CodeOf(const NetCreateCharacter&) {
  return kNetCreateCharacter;
}
int CodeOf(const NetDeleteCharacter&) {
  return kNetDeleteCharacter;
}
int CodeOf(const NetJoin&) {
  return kNetJoin;
}
int CodeOf(const NetMovement&) {
  return kNetMovement;
}
int CodeOf(const NetChat&) {
  return kNetChat;
}
int CodeOf(const NetNewAccount&) {
  return kNetNewAccount;
}
int CodeOf(const NetCharacterList&) {
  return kNetCharacterList;
}
int CodeOf(const NetNameTaken&) {
  return kNetNameTaken;
}
int CodeOf(const NetPlayerJoins&) {
  return kNetPlayerJoins;
}
int CodeOf(const NetPlayerLeaves&) {
  return kNetPlayerLeaves;
}
int CodeOf(const NetPlayersPresent&) {
  return kNetPlayersPresent;
}
int CodeOf(const NetPlayerMovement&) {
  return kNetMovement;
}
int CodeOf(const NetChatLine&) {
  return kNetChat;
}
int CodeOf(const NetFile&) {
  return kNetFileUnit;
}

// The fields after the code, one writer per message.
void AppendFields(std::string& out, const NetHello& m) {
  AppendWireString(out, m.accountId);
}
void AppendFields(std::string& out, const NetNewAccount& m) {
  AppendWireString(out, m.accountId);
}
void AppendAccountAndName(std::string& out, std::string_view accountId, std::string_view name) {
  AppendWireString(out, accountId);
  AppendWireString(out, name);
}
void AppendFields(std::string& out, const NetCreateCharacter& m) {
  AppendAccountAndName(out, m.accountId, m.name);
}
void AppendFields(std::string& out, const NetDeleteCharacter& m) {
  AppendAccountAndName(out, m.accountId, m.name);
}
void AppendFields(std::string& out, const NetJoin& m) {
  AppendAccountAndName(out, m.accountId, m.name);
}
void AppendFields(std::string& out, const NetMovement& m) {
  AppendMovementFields(out, m);
}
void AppendFields(std::string& out, const NetChat& m) {
  AppendWireString(out, m.text);
}
void AppendFields(std::string& out, const NetCharacterList& m) {
  AppendCharacterList(out, m);
}
void AppendFields(std::string&, const NetNameTaken&) {}
void AppendFields(std::string& out, const NetPlayerJoins& m) {
  AppendWireInt(out, m.playerNumber);
  AppendWireString(out, m.name);
}
void AppendFields(std::string& out, const NetPlayerLeaves& m) {
  AppendWireInt(out, m.playerNumber);
}
void AppendFields(std::string& out, const NetPlayersPresent& m) {
  AppendWireInt(out, static_cast<std::int32_t>(m.players.size()));
  for (const NetPresentPlayer& player : m.players) {
    AppendWireInt(out, player.playerNumber);
    AppendWireString(out, player.name);
  }
}
void AppendFields(std::string& out, const NetPlayerMovement& m) {
  AppendWireInt(out, m.playerNumber);
  AppendMovementFields(out, m.movement);
}
void AppendFields(std::string& out, const NetChatLine& m) {
  AppendWireInt(out, m.colour1);
  AppendWireString(out, m.text1);
  AppendWireInt(out, m.colour2);
  AppendWireString(out, m.text2);
}
void AppendFields(std::string& out, const NetFile& m) {
  out.append(kFileUnitMark);
  AppendWireInt(out, static_cast<std::int32_t>(m.bytes.size()));
  out.append(m.bytes);
}

// Reading position in a byte range. The first failure stays: every later Take fails too, so a
// message reader can take all its fields and look at the outcome once.
struct Cursor {
  std::string_view bytes;
  const NetLimits& limits;
  std::size_t pos = 0;
  NetReadStatus failure = NetReadStatus::kComplete;

  bool Ok() const { return failure == NetReadStatus::kComplete; }
  bool AtEnd() const { return pos == bytes.size(); }
};

std::int32_t TakeInt(Cursor& cursor) {
  if (!cursor.Ok()) return 0;
  if (cursor.bytes.size() - cursor.pos < 4) {
    cursor.failure = NetReadStatus::kNeedMore;
    return 0;
  }
  const std::int32_t value = WireInt(cursor.bytes, cursor.pos);
  cursor.pos += 4;
  return value;
}

std::string TakeString(Cursor& cursor) {
  if (!cursor.Ok()) return {};
  const std::size_t available = cursor.bytes.size() - cursor.pos;
  // Looking one byte past the longest allowed string is enough to tell "too long" from "not yet".
  const std::size_t window = std::min(available, cursor.limits.maxFieldBytes + 1);
  const std::string_view head = cursor.bytes.substr(cursor.pos, window);
  const std::size_t zero = head.find('\0');
  if (zero == std::string_view::npos) {
    cursor.failure = available > cursor.limits.maxFieldBytes ? NetReadStatus::kMalformed
                                                             : NetReadStatus::kNeedMore;
    return {};
  }
  cursor.pos += zero + 1;
  return std::string(head.substr(0, zero));
}

NetMovement TakeMovement(Cursor& cursor) {
  NetMovement movement;
  movement.type = TakeInt(cursor);
  movement.x = TakeInt(cursor);
  movement.y = TakeInt(cursor);
  movement.heading = TakeInt(cursor);
  movement.turnRateMilli = TakeInt(cursor);
  movement.speed = TakeInt(cursor);
  return movement;
}

// 110: names until an empty one, the fifth, or the end of the range right after a name.
NetCharacterList TakeCharacterList(Cursor& cursor, bool& open) {
  NetCharacterList list;
  open = false;
  while (cursor.Ok() && static_cast<int>(list.names.size()) < kMaxListedCharacters) {
    if (cursor.AtEnd()) {
      open = true;
      break;
    }
    std::string name = TakeString(cursor);
    if (!cursor.Ok() || TrimBlanks(name).empty()) break;
    list.names.push_back(std::move(name));
  }
  return list;
}

NetPlayersPresent TakePlayersPresent(Cursor& cursor) {
  NetPlayersPresent present;
  const std::int32_t count = TakeInt(cursor);
  if (!cursor.Ok()) return present;
  if (count < 0 || count > cursor.limits.maxPlayersPresent) {
    cursor.failure = NetReadStatus::kMalformed;
    return present;
  }
  for (std::int32_t i = 0; i < count && cursor.Ok(); ++i) {
    NetPresentPlayer player;
    player.playerNumber = TakeInt(cursor);
    player.name = TakeString(cursor);
    present.players.push_back(std::move(player));
  }
  return present;
}

NetChatLine TakeChatLine(Cursor& cursor) {
  NetChatLine line;
  line.colour1 = TakeInt(cursor);
  line.text1 = TakeString(cursor);
  line.colour2 = TakeInt(cursor);
  line.text2 = TakeString(cursor);
  return line;
}

// The fields of a client's message; false for a code clients do not send.
bool TakeClientFields(Cursor& cursor, int code, NetMessage& message) {
  switch (code) {
    case kNetHello:
      message = NetHello{TakeString(cursor)};
      return true;
    case kNetCreateCharacter: {
      NetCreateCharacter create;
      create.accountId = TakeString(cursor);
      create.name = TakeString(cursor);
      message = std::move(create);
      return true;
    }
    case kNetDeleteCharacter: {
      NetDeleteCharacter remove;
      remove.accountId = TakeString(cursor);
      remove.name = TakeString(cursor);
      message = std::move(remove);
      return true;
    }
    case kNetJoin: {
      NetJoin join;
      join.accountId = TakeString(cursor);
      join.name = TakeString(cursor);
      message = std::move(join);
      return true;
    }
    case kNetMovement:
      message = TakeMovement(cursor);
      return true;
    case kNetChat:
      message = NetChat{TakeString(cursor)};
      return true;
    default:
      return false;
  }
}

// The fields of a server's message; false for a code servers do not send.
bool TakeServerFields(Cursor& cursor, int code, NetMessage& message, bool& openList) {
  switch (code) {
    case kNetNewAccount:
      message = NetNewAccount{TakeString(cursor)};
      return true;
    case kNetCharacterList:
      message = TakeCharacterList(cursor, openList);
      return true;
    case kNetNameTaken:
      message = NetNameTaken{};
      return true;
    case kNetPlayerJoins: {
      NetPlayerJoins joins;
      joins.playerNumber = TakeInt(cursor);
      joins.name = TakeString(cursor);
      message = std::move(joins);
      return true;
    }
    case kNetPlayerLeaves:
      message = NetPlayerLeaves{TakeInt(cursor)};
      return true;
    case kNetPlayersPresent:
      message = TakePlayersPresent(cursor);
      return true;
    case kNetMovement: {
      NetPlayerMovement relayed;
      relayed.playerNumber = TakeInt(cursor);
      relayed.movement = TakeMovement(cursor);
      message = relayed;
      return true;
    }
    case kNetChat:
      message = TakeChatLine(cursor);
      return true;
    default:
      return false;
  }
}

NetReadResult ReadFileUnit(std::string_view bytes, const NetLimits& limits) {
  NetReadResult result;
  const NetFileHead head = ReadFileHead(bytes, limits.maxFileBytes);
  result.status = head.status;
  if (head.status != NetReadStatus::kComplete) return result;
  const std::size_t total = kFileUnitHeadSize + static_cast<std::size_t>(head.size);
  if (bytes.size() < total) {
    result.status = NetReadStatus::kNeedMore;
    return result;
  }
  result.message = NetFile{std::string(bytes.substr(kFileUnitHeadSize, head.size))};
  result.used = total;
  result.code = kNetFileUnit;
  return result;
}

}  // namespace

std::int32_t WireInt(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return static_cast<std::int32_t>(value);
}

void AppendWireInt(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

int MessageCode(const NetMessage& message) {
  return std::visit([](const auto& m) { return CodeOf(m); }, message);
}

void AppendMessage(std::string& out, const NetMessage& message) {
  std::visit(
      [&out](const auto& m) {
        using T = std::decay_t<decltype(m)>;
        // A file unit and a character list write their own heads.
        if constexpr (!std::is_same_v<T, NetFile> && !std::is_same_v<T, NetCharacterList>) {
          AppendWireInt(out, CodeOf(m));
        }
        AppendFields(out, m);
      },
      message);
}

std::string EncodeMessage(const NetMessage& message) {
  std::string out;
  AppendMessage(out, message);
  return out;
}

std::string EncodeFileUnit(std::string_view fileBytes) {
  std::string out;
  out.reserve(kFileUnitHeadSize + fileBytes.size());
  out.append(kFileUnitMark);
  AppendWireInt(out, static_cast<std::int32_t>(fileBytes.size()));
  out.append(fileBytes);
  return out;
}

bool StartsLikeFileUnit(std::string_view bytes) {
  const std::size_t n = std::min(bytes.size(), kFileUnitMark.size());
  return bytes.substr(0, n) == kFileUnitMark.substr(0, n);
}

NetFileHead ReadFileHead(std::string_view bytes, std::int64_t maxFileBytes) {
  NetFileHead head;
  if (!StartsLikeFileUnit(bytes)) {
    head.status = NetReadStatus::kUnknownCode;
    return head;
  }
  if (bytes.size() < kFileUnitHeadSize) {
    head.status = NetReadStatus::kNeedMore;
    return head;
  }
  head.size = WireInt(bytes, kFileUnitMark.size());
  head.status = head.size < 0 || head.size > maxFileBytes ? NetReadStatus::kMalformed
                                                          : NetReadStatus::kComplete;
  return head;
}

NetReadResult ReadMessage(std::string_view bytes, NetDirection direction, const NetLimits& limits) {
  if (!bytes.empty() && StartsLikeFileUnit(bytes)) return ReadFileUnit(bytes, limits);
  NetReadResult result;
  Cursor cursor{bytes, limits};
  result.code = TakeInt(cursor);
  if (!cursor.Ok()) {
    result.status = cursor.failure;
    result.code = 0;
    return result;
  }
  bool openList = false;
  const bool known = direction == NetDirection::kClientToServer
                         ? TakeClientFields(cursor, result.code, result.message)
                         : TakeServerFields(cursor, result.code, result.message, openList);
  if (!known) {
    result.status = NetReadStatus::kUnknownCode;
    return result;
  }
  result.status = cursor.failure;
  if (result.status == NetReadStatus::kComplete) {
    result.used = cursor.pos;
    result.openList = openList;
  }
  return result;
}
