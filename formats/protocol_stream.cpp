#include "formats/protocol_stream.h"

namespace {

void DropBuffer(NetStreamReader& reader) {
  reader.buffer.clear();
  reader.start = 0;
  reader.afterOpenList = false;
}

}  // namespace

NetStreamReader MakeStreamReader(NetDirection direction, const NetLimits& limits) {
  NetStreamReader reader;
  reader.direction = direction;
  reader.limits = limits;
  return reader;
}

void FeedStream(NetStreamReader& reader, std::string_view bytes) {
  if (reader.failed || bytes.empty()) return;
  // Taken bytes go before new ones arrive, so the buffer holds at most one partial message plus
  // what the caller has not taken yet.
  if (reader.start > 0) {
    reader.buffer.erase(0, reader.start);
    reader.start = 0;
  }
  reader.buffer.append(bytes);
}

NetStreamItem NextStreamMessage(NetStreamReader& reader) {
  NetStreamItem item;
  if (reader.failed) {
    item.status = NetStreamStatus::kMalformed;
    return item;
  }
  std::string_view pending = std::string_view(reader.buffer).substr(reader.start);
  if (reader.afterOpenList && !pending.empty()) {
    reader.afterOpenList = false;
    if (pending.front() == '\0') {
      ++reader.start;
      pending.remove_prefix(1);
    }
  }
  if (pending.empty()) {
    item.status = NetStreamStatus::kNeedMore;
    return item;
  }
  NetReadResult read = ReadMessage(pending, reader.direction, reader.limits);
  switch (read.status) {
    case NetReadStatus::kComplete:
      reader.start += read.used;
      reader.afterOpenList = read.openList;
      if (reader.start == reader.buffer.size()) {
        reader.buffer.clear();
        reader.start = 0;
      }
      item.status = NetStreamStatus::kMessage;
      item.message = std::move(read.message);
      item.code = read.code;
      return item;
    case NetReadStatus::kNeedMore:
      item.status = NetStreamStatus::kNeedMore;
      return item;
    case NetReadStatus::kUnknownCode:
      item.status = NetStreamStatus::kUnknownCode;
      item.code = read.code;
      item.dropped = pending.size();
      DropBuffer(reader);
      return item;
    case NetReadStatus::kMalformed:
      item.status = NetStreamStatus::kMalformed;
      item.code = read.code;
      item.dropped = pending.size();
      DropBuffer(reader);
      reader.failed = true;
      return item;
  }
  return item;
}

std::size_t PendingStreamBytes(const NetStreamReader& reader) {
  return reader.buffer.size() - reader.start;
}

bool StreamEndsInOpenList(const NetStreamReader& reader) {
  if (reader.failed) return false;
  std::string_view pending = std::string_view(reader.buffer).substr(reader.start);
  if (reader.afterOpenList && !pending.empty() && pending.front() == '\0') pending.remove_prefix(1);
  if (pending.empty()) return false;
  const NetReadResult read = ReadMessage(pending, reader.direction, reader.limits);
  return read.status == NetReadStatus::kComplete && read.openList && read.used == pending.size();
}
