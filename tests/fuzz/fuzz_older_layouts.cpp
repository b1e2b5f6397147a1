// The older layouts, the note files and the route-point file; the first byte picks.
#include "formats/legacy_files.h"
#include "formats/note_file.h"
#include "formats/route_points.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes = FuzzBytes(data + 1, size - 1);
  ReadIssues issues;
  switch (data[0] % 5) {
    case 0: {
      const std::vector<std::string> choices{"(keine Gruppe)", "A", "B"};
      for (const LegacyElement& old : ReadLegacySystem(bytes, &issues)) {
        (void)LegacyGroupName(old.groupIndex, choices);
      }
      break;
    }
    case 1: {
      const std::vector<LegacyOffers> offers = ReadLegacyOffers(bytes);
      if (!offers.empty()) {
        FuzzRequire(FindLegacyOffers(offers, offers.back().placeName) != nullptr, "found");
      }
      break;
    }
    case 2: {
      const std::vector<std::string> goods{"Wasser", "Kristalle", "", "Artefakte"};
      for (const LegacyPriceLine& line : ReadLegacyPrices(bytes)) {
        FuzzRequire(LegacyGoodsPrices(line.text, goods).size() >= 30 * goods.size(),
                    "rebuilt records stay aligned");
      }
      break;
    }
    case 3: {
      const std::string text = ReadNoteText(bytes);
      FuzzRequire(ReadNoteText(WriteNoteText(text)) == text, "notes read back unchanged");
      (void)ReadNoteTextLegacy(bytes);
      break;
    }
    default: {
      for (const RoutePoint& point : ReadRoutePoints(bytes, &issues)) {
        const std::vector<RoutePoint> back = ReadRoutePoints(FormatRoutePoint(point));
        FuzzRequire(back.size() == 1, "a point is one line");
      }
      break;
    }
  }
  return 0;
}
