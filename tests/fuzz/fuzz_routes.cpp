// Route files in both reading modes: never fail, and written files read back byte-identical.
#include "formats/route_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = FuzzBytes(data, size);
  for (RouteReadMode mode : {RouteReadMode::kEditor, RouteReadMode::kGame}) {
    ReadIssues issues;
    const RouteFile file = ReadRoutes(bytes, mode, &issues);
    const std::string written = WriteRoutes(file.routes);
    const RouteFile again = ReadRoutes(written, mode);
    FuzzRequire(again.declaredCount == static_cast<int>(file.routes.size()), "count line holds");
    FuzzRequire(again.routes.size() == file.routes.size(), "route count survives");
    FuzzRequire(WriteRoutes(again.routes) == written, "written files read back byte-identical");
  }
  return 0;
}
