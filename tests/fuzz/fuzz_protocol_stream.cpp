// The protocol stream reader in both directions, fed whole and in pieces: it never fails, never
// holds more than it was fed, and every message it yields is written back to bytes that read as
// the same message.
#include "formats/protocol_stream.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void CheckRewritten(const NetMessage& message, NetDirection direction, const NetLimits& limits) {
  const std::string bytes = EncodeMessage(message);
  const NetReadResult again = ReadMessage(bytes, direction, limits);
  FuzzRequire(again.status == NetReadStatus::kComplete, "a message read is written readable");
  FuzzRequire(again.used == bytes.size(), "a written message is read to its end");
  FuzzRequire(again.message == message, "a written message reads back the same");
}

// Feeds `bytes` in pieces whose sizes come from `sizes`; returns the messages taken.
std::size_t ReadInPieces(std::string_view bytes, std::string_view sizes, NetDirection direction,
                         const NetLimits& limits) {
  NetStreamReader reader = MakeStreamReader(direction, limits);
  std::size_t taken = 0;
  std::size_t from = 0;
  std::size_t fed = 0;
  for (std::size_t i = 0; from < bytes.size(); ++i) {
    const std::size_t piece =
        sizes.empty() ? bytes.size() : 1 + static_cast<unsigned char>(sizes[i % sizes.size()]);
    const std::string_view block = bytes.substr(from, piece);
    FeedStream(reader, block);
    from += block.size();
    fed += block.size();
    for (;;) {
      const NetStreamItem item = NextStreamMessage(reader);
      if (item.status == NetStreamStatus::kNeedMore) break;
      if (item.status == NetStreamStatus::kMalformed) return taken;
      if (item.status == NetStreamStatus::kMessage) {
        CheckRewritten(item.message, direction, limits);
        ++taken;
      }
    }
    FuzzRequire(PendingStreamBytes(reader) <= fed, "the reader holds only bytes fed");
  }
  return taken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // Byte 0 picks the direction and small bounds, byte 1 how many piece sizes follow.
  const NetDirection direction =
      (data[0] & 1) ? NetDirection::kServerToClient : NetDirection::kClientToServer;
  NetLimits limits;
  limits.maxFieldBytes = 1 + (data[0] >> 1) * 8;
  limits.maxFileBytes = 4096;
  limits.maxPlayersPresent = 64;
  const std::size_t sizeCount = std::min<std::size_t>(data[1], size - 2);
  const std::string_view sizes = FuzzBytes(data + 2, sizeCount);
  const std::string_view bytes = FuzzBytes(data + 2 + sizeCount, size - 2 - sizeCount);
  ReadInPieces(bytes, {}, direction, limits);
  ReadInPieces(bytes, sizes, direction, limits);
  return 0;
}
