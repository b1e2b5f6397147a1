#include "formats/save_file.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "formats/rounding.h"
#include "formats/text_rules.h"

namespace {

// The ship's pilot name belongs to network play and is never saved.
constexpr std::string_view kUnsavedShipField = "pilotName";

void AppendInt(std::string& out, int value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFF);
}

// Appends a line and its CR LF; false (nothing appended) when the text holds an LF, which would
// end the line early on reading.
bool AppendSaveLine(std::string& out, std::string_view text) {
  if (text.find('\n') != std::string_view::npos) return false;
  AppendLine(out, text);
  return true;
}

struct Cursor {
  std::string_view bytes;
  size_t at = 0;
};

bool TakeInt(Cursor& cursor, int& value) {
  if (cursor.bytes.size() - cursor.at < 4) return false;
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) {
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(cursor.bytes[cursor.at + i]))
            << (8 * i);
  }
  value = static_cast<int>(bits);
  cursor.at += 4;
  return true;
}

bool TakeLine(Cursor& cursor, std::string_view& line) {
  const size_t end = cursor.bytes.find('\n', cursor.at);
  if (end == std::string_view::npos) return false;
  line = cursor.bytes.substr(cursor.at, end - cursor.at);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  cursor.at = end + 1;
  return true;
}

std::string Counted(int number, int total) {
  return FormatInt(number) + " of " + FormatInt(total);
}

// Reads the ship in its field order; the reason when the file ends inside it.
std::string TakeShip(Cursor& cursor, ShipRecord& ship) {
  std::string error;
  ForEachField(ship, [&](const char* name, auto& value) {
    if (!error.empty() || name == kUnsavedShipField) return;
    using Value = std::remove_cvref_t<decltype(value)>;
    bool read = false;
    if constexpr (std::is_same_v<Value, std::string>) {
      std::string_view line;
      read = TakeLine(cursor, line);
      if (read) value = std::string(line);
    } else {
      static_assert(std::is_same_v<Value, int> || std::is_same_v<Value, float>);
      int number = 0;
      read = TakeInt(cursor, number);
      if (read) value = static_cast<Value>(number);
    }
    if (!read) error = "the file ends inside the ship's field \"" + std::string(name) + "\"";
  });
  return error;
}

std::string TakeAttitudes(Cursor& cursor, int count, std::vector<float>& attitudes) {
  for (int i = 0; i < count; ++i) {
    std::string_view line;
    if (!TakeLine(cursor, line)) {
      return "the file ends before attitude line " + Counted(i + 1, count);
    }
    const std::optional<float> value = ParseAttitude(line);
    if (!value) {
      constexpr size_t kShown = 40;
      return "attitude line " + Counted(i + 1, count) + " (\"" +
             std::string(line.substr(0, kShown)) + (line.size() > kShown ? "..." : "") +
             "\") is not a decimal number";
    }
    attitudes.push_back(*value);
  }
  return {};
}

std::string TakePlaces(Cursor& cursor, int count, std::vector<SavedPlace>& places) {
  for (int p = 0; p < count; ++p) {
    SavedPlace place;
    if (!TakeInt(cursor, place.known)) {
      return "the file ends before place " + Counted(p + 1, count);
    }
    std::string_view line;
    if (!TakeLine(cursor, line)) {
      return "the file ends inside the stock line of place " + Counted(p + 1, count);
    }
    place.info4 = std::string(line);
    places.push_back(std::move(place));
  }
  return {};
}

// Whole places from the cursor to the end of the data: their count, or -1 when the data does not
// end with a place's line.
int CountPlacesToEnd(Cursor cursor) {
  int count = 0;
  while (cursor.at < cursor.bytes.size()) {
    int known = 0;
    std::string_view line;
    if (!TakeInt(cursor, known) || !TakeLine(cursor, line)) return -1;
    ++count;
  }
  return count;
}

}  // namespace

std::string SaveDataPath(std::string_view name) {
  return "SAVE\\" + std::string(name) + ".sav";
}

std::string FormatAttitude(float value) {
  // Six decimals with the trailing zeros and point dropped, "-0" as "0".
  return FormatDecimal(static_cast<double>(value));
}

std::optional<float> ParseAttitude(std::string_view line) {
  const std::string text = TrimBlanks(line);
  if (!IsStrictDecimal(text)) return std::nullopt;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (std::fabs(value) > static_cast<double>(FLT_MAX)) return std::nullopt;
  return static_cast<float>(value);
}

std::vector<float> PlayerAttitudes(const GroupCatalogue& groups) {
  std::vector<float> attitudes;
  for (int i = 0; i <= groups.groupCount; ++i) attitudes.push_back(GroupRelation(groups, 0, i));
  return attitudes;
}

void SetPlayerAttitudes(GroupCatalogue& groups, const std::vector<float>& attitudes) {
  for (size_t i = 0; i < attitudes.size(); ++i) {
    SetGroupRelation(groups, 0, static_cast<int>(i), attitudes[i]);
    SetGroupRelation(groups, static_cast<int>(i), 0, attitudes[i]);
  }
}

SaveBytes WriteSavedGame(const SavedGame& game) {
  SaveBytes result;
  std::string& out = result.bytes;
  if (!AppendSaveLine(out, game.dockedPlace)) result.error = "the docked place";
  ForEachField(game.ship, [&](const char* name, const auto& value) {
    if (!result.error.empty() || name == kUnsavedShipField) return;
    using Value = std::remove_cvref_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, std::string>) {
      if (!AppendSaveLine(out, value))
        result.error = "the ship's field \"" + std::string(name) + "\"";
    } else if constexpr (std::is_same_v<Value, float>) {
      AppendInt(out, RoundToInt(value));
    } else {
      static_assert(std::is_same_v<Value, int>);
      AppendInt(out, value);
    }
  });
  for (const float attitude : game.attitudes) AppendLine(out, FormatAttitude(attitude));
  for (size_t p = 0; p < game.places.size() && result.error.empty(); ++p) {
    AppendInt(out, game.places[p].known);
    if (!AppendSaveLine(out, game.places[p].info4)) {
      result.error = "the stock line of place " + FormatInt(static_cast<long long>(p) + 1);
    }
  }
  if (!result.error.empty()) {
    result.error += " holds a line break, which the file cannot keep";
    result.bytes.clear();
    return result;
  }
  result.ok = true;
  return result;
}

SaveRead ReadSavedGame(std::string_view bytes, const UniverseShape& shape) {
  Cursor cursor{bytes};
  SaveRead result;
  SavedGame game;
  std::string_view docked;
  const int attitudeCount = shape.groupCount + 1 > 0 ? shape.groupCount + 1 : 0;
  const int placeCount = shape.placeCount > 0 ? shape.placeCount : 0;
  if (!TakeLine(cursor, docked)) {
    result.error = "the file ends inside the docked place's line";
  } else {
    game.dockedPlace = std::string(docked);
    result.error = TakeShip(cursor, game.ship);
  }
  if (result.error.empty()) result.error = TakeAttitudes(cursor, attitudeCount, game.attitudes);
  if (result.error.empty()) result.error = TakePlaces(cursor, placeCount, game.places);
  if (result.error.empty() && cursor.at != bytes.size()) {
    result.error = FormatInt(static_cast<long long>(bytes.size() - cursor.at)) +
                   " bytes are left after the last place (place " + FormatInt(placeCount) +
                   "): the file was made for a universe with more places, or is damaged";
  }
  if (result.error.empty()) {
    result.ok = true;
    result.game = std::move(game);
  }
  return result;
}

std::optional<UniverseShape> GuessUniverseShape(std::string_view bytes) {
  Cursor cursor{bytes};
  std::string_view line;
  ShipRecord ship;
  if (!TakeLine(cursor, line) || !TakeShip(cursor, ship).empty()) return std::nullopt;
  // Where the places would start after 0, 1, 2 ... attitude lines.
  std::vector<size_t> placesStart{cursor.at};
  while (placesStart.size() <= static_cast<size_t>(kMaxGroups) && TakeLine(cursor, line) &&
         ParseAttitude(line)) {
    placesStart.push_back(cursor.at);
  }
  for (size_t lines = placesStart.size(); lines-- > 0;) {
    const int places = CountPlacesToEnd(Cursor{bytes, placesStart[lines]});
    if (places >= 0) return UniverseShape{static_cast<int>(lines) - 1, places};
  }
  return std::nullopt;
}
