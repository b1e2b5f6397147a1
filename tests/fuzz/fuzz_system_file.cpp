// System files: reading never fails, and writing what was read is a fixed point.
#include "formats/system_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = FuzzBytes(data, size);
  ReadIssues issues;
  const std::vector<ElementRecord> elements = ReadSystemElements(bytes, &issues);
  const std::string written = WriteSystemElements(elements);
  const std::vector<ElementRecord> again = ReadSystemElements(written);
  FuzzRequire(again.size() == elements.size(), "record count survives a round trip");
  FuzzRequire(WriteSystemElements(again) == written, "written files read back byte-identical");
  (void)ScanDockingRings(bytes);
  return 0;
}
