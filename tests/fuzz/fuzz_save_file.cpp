// Saved games: the reader under the shape guessed from the file and under shapes taken from the
// input's size. What reads is whole and writes back to a file that reads the same; what does not
// read is refused with a reason and nothing of it.
#include <algorithm>

#include "formats/save_check.h"
#include "formats/save_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void CheckShape(std::string_view bytes, const UniverseShape& shape, bool mustRead) {
  const SaveRead read = ReadSavedGame(bytes, shape);
  FuzzRequire(CheckSaveFile(bytes, shape).fits == read.ok, "the check agrees with the reader");
  if (!read.ok) {
    FuzzRequire(!mustRead, "the guessed shape reads");
    FuzzRequire(!read.error.empty(), "a refusal names its reason");
    FuzzRequire(
        read.game.dockedPlace.empty() && read.game.attitudes.empty() && read.game.places.empty(),
        "a refused file gives nothing");
    return;
  }
  FuzzRequire(read.game.attitudes.size() == static_cast<size_t>(std::max(0, shape.groupCount + 1)),
              "one attitude per group");
  FuzzRequire(read.game.places.size() == static_cast<size_t>(std::max(0, shape.placeCount)),
              "one entry per place");
  const SaveBytes written = WriteSavedGame(read.game);
  FuzzRequire(written.ok, "a game that was read can be written");
  const SaveRead again = ReadSavedGame(written.bytes, shape);
  FuzzRequire(again.ok, "a written game reads");
  FuzzRequire(WriteSavedGame(again.game).bytes == written.bytes,
              "written files read back byte-identical");
  const std::string_view whole = written.bytes;
  FuzzRequire(!ReadSavedGame(whole.substr(0, whole.size() - 1), shape).ok,
              "a file cut short is refused");
  FuzzRequire(!ReadSavedGame(written.bytes + "x", shape).ok, "a file with bytes left is refused");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = FuzzBytes(data, size);
  if (const std::optional<UniverseShape> guessed = GuessUniverseShape(bytes)) {
    CheckShape(bytes, *guessed, true);
  }
  CheckShape(bytes, {static_cast<int>(size % 13) - 1, static_cast<int>(size % 7)}, false);
  return 0;
}
