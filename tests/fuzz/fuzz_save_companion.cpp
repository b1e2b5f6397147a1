// The companion of a saved game: what reads writes back to the same bytes' meaning and reads
// again; what does not read is refused with a reason and nothing of it.
#include "formats/save_companion.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = FuzzBytes(data, size);
  const CompanionRead read = ReadSaveCompanion(bytes);
  if (!read.ok) {
    FuzzRequire(!read.error.empty(), "a refusal names its reason");
    FuzzRequire(read.companion.missionShips.empty() && read.companion.places.empty(),
                "a refused file gives nothing");
    return 0;
  }
  const SaveBytes written = WriteSaveCompanion(read.companion);
  FuzzRequire(written.ok, "a companion that was read can be written");
  const CompanionRead again = ReadSaveCompanion(written.bytes);
  FuzzRequire(again.ok, "a written companion reads");
  FuzzRequire(WriteSaveCompanion(again.companion).bytes == written.bytes,
              "written files read back byte-identical");
  const std::string_view whole = written.bytes;
  FuzzRequire(!ReadSaveCompanion(whole.substr(0, whole.size() - 1)).ok,
              "a file cut short is refused");
  FuzzRequire(!ReadSaveCompanion(written.bytes + "x\r\n").ok, "a file with lines left is refused");
  return 0;
}
