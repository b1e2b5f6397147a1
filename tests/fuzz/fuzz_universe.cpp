#include "formats/universe_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = FuzzBytes(data, size);
  ReadIssues issues;
  const UniverseFile universe = ReadUniverse(bytes, &issues);
  int previous = 0;
  for (const UniverseRecord& record : universe.records) {
    FuzzRequire(record.line > previous, "records stay in file order");
    previous = record.line;
    if (record.kind == UniverseRecordKind::kLane) {
      const LaneEnds ends = SplitLaneName(record.lane.name);
      FuzzRequire(ends.first.size() <= record.lane.name.size(), "lane ends are parts of the name");
      FuzzRequire(ends.second.size() <= record.lane.name.size(), "lane ends are parts of the name");
    } else {
      (void)SystemContains(record.system, record.system.originX + 1.0, record.system.originY + 1.0);
    }
  }
  FuzzRequire(
      UniverseSystems(universe).size() + UniverseLanes(universe).size() == universe.records.size(),
      "every record is a system or a lane");
  return 0;
}
