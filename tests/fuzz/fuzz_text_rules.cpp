#include <cmath>

#include "formats/latin1.h"
#include "formats/rounding.h"
#include "formats/text_rules.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = FuzzBytes(data, size);
  for (const std::string& line : SplitLines(bytes)) {
    FuzzRequire(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                "lines hold no line ends");
    const int value = ReadInt(line);
    if (IsStrictInt(TrimBlanks(line))) {
      FuzzRequire(FormatInt(value) == TrimBlanks(line) || TrimBlanks(line).starts_with("-0") ||
                      TrimBlanks(line).starts_with('0'),
                  "strict integers read back to their text");
    }
    const double decimal = ReadDecimal(line);
    FuzzRequire(std::isfinite(decimal) && std::fabs(decimal) <= 1e9, "decimals stay bounded");
    const std::string shortest = FormatDecimal(decimal);
    FuzzRequire(FormatDecimal(ReadDecimal(shortest)) == shortest, "decimal form is stable");
    (void)RoundToInt(decimal);
    FuzzRequire(Field(line, 3, 7).size() <= 5, "fields stay within their columns");
    FuzzRequire(PadRight(line, 20).size() >= 20, "padding reaches the width");
  }
  bool exact = false;
  FuzzRequire(Utf8ToLatin1(Latin1ToUtf8(bytes), &exact) == bytes && exact,
              "Latin-1 survives a trip through UTF-8");
  (void)Utf8ToLatin1(bytes);
  const std::filesystem::path path = DataPath("/root-of-game", bytes);
  FuzzRequire(path.string().starts_with("/root-of-game"), "data paths stay under the root");
  for (const auto& part : path) FuzzRequire(part != "..", "data paths never climb");
  return 0;
}
