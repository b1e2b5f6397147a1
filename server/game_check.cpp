#include "server/game_check.h"

#include <algorithm>

#include "formats/group_catalogue.h"
#include "formats/latin1.h"
#include "formats/place_scan.h"
#include "formats/protocol.h"
#include "formats/text_rules.h"

namespace {

// Walks a saved game item by item; the first item that is not there ends the walk with `why`.
struct GameWalk {
  std::string_view bytes;
  std::size_t pos = 0;
  std::string why;

  bool Ok() const { return why.empty(); }

  // Skips `count` ints; returns the last.
  std::int32_t Ints(int count, const char* what) {
    if (!Ok()) return 0;
    if (bytes.size() - pos < static_cast<std::size_t>(count) * 4) {
      why = std::string("the file ends inside ") + what;
      return 0;
    }
    pos += static_cast<std::size_t>(count) * 4;
    return WireInt(bytes, pos - 4);
  }

  // A line up to its LF; the CR before the LF is not part of it.
  std::string_view Line(const char* what) {
    if (!Ok()) return {};
    const std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) {
      why = std::string("the file ends inside ") + what;
      return {};
    }
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;
    return line;
  }
};

}  // namespace

UniverseShape LoadUniverseShape(const std::filesystem::path& gameFolder) {
  UniverseShape shape;
  const GroupCatalogue groups = LoadGroups(DataPath(gameFolder, "INI\\Gruppen.ini"));
  shape.attitudeLines = std::max(0, groups.groupCount + 1);
  shape.placeCount = static_cast<int>(ScanPlaces(DataPath(gameFolder, "INI")).size());
  return shape;
}

bool CheckGameFile(const UniverseShape& shape, std::string_view game, std::string* why) {
  GameWalk walk{game};
  walk.Line("the docking place");
  walk.Ints(15, "the ship record");
  walk.Line("the weapons");
  walk.Line("the cargo");
  walk.Ints(4, "the ship record");
  walk.Line("the impacts");
  walk.Ints(6, "the ship record");
  walk.Line("the orders");
  walk.Ints(2, "the ship record");
  for (int i = 0; i < shape.attitudeLines && walk.Ok(); ++i) {
    const std::string_view attitude = walk.Line("the attitudes");
    if (walk.Ok() && !IsStrictDecimal(attitude)) {
      walk.why = "attitude " + std::to_string(i) + " is not a number";
    }
  }
  for (int i = 0; i < shape.placeCount && walk.Ok(); ++i) {
    const std::int32_t known = walk.Ints(1, "the places");
    if (walk.Ok() && known != 0 && known != 1) {
      walk.why = "place " + std::to_string(i + 1) + " has no known flag";
    }
    walk.Line("the places");
  }
  if (walk.Ok() && walk.pos != game.size()) {
    walk.why = std::to_string(game.size() - walk.pos) + " bytes follow the last place";
  }
  if (why) *why = walk.why;
  return walk.Ok();
}
