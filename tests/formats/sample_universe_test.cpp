// The sample universe in data/ is kept exactly as the editor writes it: converted to the game's
// form, every writable file reads and writes back byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/note_file.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"

namespace {

std::filesystem::path SampleIni() {
  const char* source = std::getenv("VELMARITH_SOURCE_DIR");
  return std::filesystem::path(source ? source : ".") / "data" / "INI";
}

// The game's form of an authored file: Latin-1, CR LF.
std::string GameForm(const std::filesystem::path& path) {
  std::string problem;
  const std::string bytes =
      GameTextFromRepository(ReadFileBytes(path).value_or(std::string()), &problem);
  EXPECT_EQ(problem, "") << path;
  return bytes;
}

}  // namespace

TEST(SampleUniverse, EveryWritableFileRoundTripsByteIdentical) {
  const std::filesystem::path ini = SampleIni();
  ASSERT_TRUE(std::filesystem::is_directory(ini)) << "no sample universe at " << ini;
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ini)) {
    if (!entry.is_regular_file()) continue;
    const std::filesystem::path& path = entry.path();
    const std::string name = path.filename().string();
    const std::string bytes = GameForm(path);
    std::string written;
    if (name == "System.ini") {
      written = WriteSystemElements(ReadSystemElements(bytes));
    } else if (name == "Routen.ini") {
      written = WriteRoutes(ReadRoutes(bytes, RouteReadMode::kEditor).routes);
    } else if (path.parent_path().filename() == "Orte") {
      written = WritePlace(ReadPlace(bytes, PlaceReadMode::kEditor));
    } else if (path.parent_path() != ini && (name == "Gruppen.txt" || name == "Waren.txt")) {
      written = WriteNoteText(ReadNoteText(bytes));
    } else {
      continue;  // catalogues and the universe: nobody writes them
    }
    ++files;
    EXPECT_EQ(written, bytes) << path;
  }
  EXPECT_GT(files, 20);
}
