// The file-transfer head: a complete head always names a size inside the cap, and a unit written
// for that size reads back with the same head.
#include "formats/protocol.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::int64_t cap = static_cast<std::int64_t>(data[0]) * 1000;
  const std::string_view bytes = FuzzBytes(data + 1, size - 1);
  const NetFileHead head = ReadFileHead(bytes, cap);
  switch (head.status) {
    case NetReadStatus::kComplete: {
      FuzzRequire(head.size >= 0 && head.size <= cap, "a complete head lies inside the cap");
      FuzzRequire(bytes.substr(0, 8) == kFileUnitMark, "a complete head starts with the mark");
      const std::string unit = EncodeFileUnit(std::string(head.size, 'x'));
      const NetFileHead again = ReadFileHead(unit, cap);
      FuzzRequire(again.status == NetReadStatus::kComplete && again.size == head.size,
                  "a written unit has the head it was written for");
      FuzzRequire(unit.substr(0, kFileUnitHeadSize) == bytes.substr(0, kFileUnitHeadSize),
                  "the head is written byte for byte as read");
      break;
    }
    case NetReadStatus::kNeedMore:
      FuzzRequire(bytes.size() < kFileUnitHeadSize && StartsLikeFileUnit(bytes),
                  "only a short prefix of the mark waits for more");
      break;
    case NetReadStatus::kMalformed:
      FuzzRequire(bytes.size() >= kFileUnitHeadSize, "a bad size needs the whole head");
      break;
    case NetReadStatus::kUnknownCode:
      FuzzRequire(!StartsLikeFileUnit(bytes), "only bytes unlike the mark are no file");
      break;
  }
  return 0;
}
