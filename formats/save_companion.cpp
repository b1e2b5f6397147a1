#include "formats/save_companion.h"

#include <charconv>
#include <cmath>
#include <type_traits>

#include "formats/fnv1a.h"
#include "formats/text_rules.h"

namespace {

constexpr std::string_view kHead = "[Spielstand-Zusatz]";
constexpr std::string_view kMissionHead = "[Auftrag]";
constexpr std::string_view kShipHead = "[Schiff]";
constexpr std::string_view kPlacesHead = "[Orte]";
constexpr std::string_view kPlaceHead = "[Ort]";

bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string FormatFloat(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string FormatChecksum(std::uint64_t value) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[i] = kDigits[value & 0xF];
  return text;
}

// Collects the lines; the first text that cannot be kept names the error.
struct Writer {
  std::string out;
  std::string error;

  void Line(std::string_view line) { AppendLine(out, line); }
  void Value(std::string_view key, std::string_view value, std::string_view what) {
    if (HoldsLineBreak(value) && error.empty()) error = std::string(what);
    AppendLine(out, std::string(key) + "=" + std::string(value));
  }
};

void WriteShip(Writer& writer, const ShipRecord& ship, size_t number) {
  writer.Line(kShipHead);
  ForEachField(ship, [&](const char* name, const auto& value) {
    using Value = std::remove_cvref_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, std::string>) {
      writer.Value(name, value,
                   "the field \"" + std::string(name) + "\" of mission ship " +
                       FormatInt(static_cast<long long>(number)));
    } else if constexpr (std::is_same_v<Value, float>) {
      writer.Value(name, FormatFloat(value), "");
    } else {
      static_assert(std::is_same_v<Value, int>);
      writer.Value(name, FormatInt(value), "");
    }
  });
}

// The lines of a file, each ended by LF (a CR before it dropped), read one after the other.
struct Reader {
  std::string_view bytes;
  size_t at = 0;
  int lineNumber = 0;
  std::string error;

  bool Fail(std::string message) {
    if (error.empty()) error = "line " + FormatInt(lineNumber) + ": " + std::move(message);
    return false;
  }

  bool Take(std::string_view& line, std::string_view expected) {
    if (!error.empty()) return false;
    ++lineNumber;
    const size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) {
      return Fail(at == bytes.size() ? "the file ends where " + std::string(expected) + " belongs"
                                     : "the file ends inside a line (cut short?)");
    }
    line = bytes.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = end + 1;
    if (HoldsLineBreak(line)) return Fail("a CR or NUL inside the line");
    return true;
  }

  bool Head(std::string_view head) {
    std::string_view line;
    if (!Take(line, "\"" + std::string(head) + "\"")) return false;
    if (line != head)
      return Fail("\"" + std::string(head) + "\" expected, found \"" + Shown(line) + "\"");
    return true;
  }

  bool Text(std::string_view key, std::string& value) {
    std::string_view line;
    if (!Take(line, "\"" + std::string(key) + "=\"")) return false;
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != '=') {
      return Fail("\"" + std::string(key) + "=\" expected, found \"" + Shown(line) + "\"");
    }
    value = std::string(line.substr(key.size() + 1));
    return true;
  }

  bool Int(std::string_view key, int& value) {
    std::string text;
    if (!Text(key, text)) return false;
    if (!IsStrictInt(text))
      return Fail("the value of \"" + std::string(key) + "\" is no whole number");
    value = ReadInt(text);
    return true;
  }

  bool Float(std::string_view key, float& value) {
    std::string text;
    if (!Text(key, text)) return false;
    const char* last = text.data() + text.size();
    const auto [end, problem] = std::from_chars(text.data(), last, value);
    if (text.empty() || problem != std::errc() || end != last || !std::isfinite(value)) {
      return Fail("the value of \"" + std::string(key) + "\" is no number");
    }
    return true;
  }

  bool Checksum(std::string_view key, std::uint64_t& value) {
    std::string text;
    if (!Text(key, text)) return false;
    const char* last = text.data() + text.size();
    const auto [end, problem] = std::from_chars(text.data(), last, value, 16);
    if (text.size() != 16 || problem != std::errc() || end != last) {
      return Fail("the value of \"" + std::string(key) + "\" is no 16-digit hex checksum");
    }
    return true;
  }

  // A count that the lines after it must hold.
  bool Count(std::string_view key, int& count) {
    if (!Int(key, count)) return false;
    if (count < 0) return Fail("the count \"" + std::string(key) + "\" is negative");
    return true;
  }

  static std::string Shown(std::string_view line) {
    constexpr size_t kShown = 40;
    return std::string(line.substr(0, kShown)) + (line.size() > kShown ? "..." : "");
  }
};

bool ReadShip(Reader& reader, ShipRecord& ship) {
  if (!reader.Head(kShipHead)) return false;
  ForEachField(ship, [&](const char* name, auto& value) {
    using Value = std::remove_cvref_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, std::string>) {
      reader.Text(name, value);
    } else if constexpr (std::is_same_v<Value, float>) {
      reader.Float(name, value);
    } else {
      reader.Int(name, value);
    }
  });
  return reader.error.empty();
}

bool ReadPlace(Reader& reader, CompanionPlace& place) {
  return reader.Head(kPlaceHead) && reader.Text("Name", place.name) &&
         reader.Text("Schiffe", place.shipOffers) && reader.Text("Waffen", place.weaponOffers);
}

bool ReadBody(Reader& reader, SaveCompanion& companion) {
  int version = 0;
  if (!reader.Head(kHead) || !reader.Int("Version", version)) return false;
  if (version != kSaveCompanionVersion) {
    return reader.Fail("version " + FormatInt(version) + " is not known (this game reads " +
                       FormatInt(kSaveCompanionVersion) + ")");
  }
  int ships = 0;
  if (!reader.Checksum("Spielstand", companion.saveChecksum) || !reader.Head(kMissionHead) ||
      !reader.Int("Belohnung", companion.pendingReward) || !reader.Count("Schiffe", ships)) {
    return false;
  }
  for (int s = 0; s < ships; ++s) {
    ShipRecord ship;
    if (!ReadShip(reader, ship)) return false;
    companion.missionShips.push_back(std::move(ship));
  }
  int places = 0;
  if (!reader.Head(kPlacesHead) || !reader.Count("Anzahl", places)) return false;
  for (int p = 0; p < places; ++p) {
    CompanionPlace place;
    if (!ReadPlace(reader, place)) return false;
    companion.places.push_back(std::move(place));
  }
  if (reader.at != reader.bytes.size()) {
    ++reader.lineNumber;
    return reader.Fail("more follows after the last place (" + FormatInt(places) +
                       " announced): the file is damaged");
  }
  return true;
}

}  // namespace

std::string CompanionDataPath(std::string_view name) {
  return "SAVE\\" + std::string(name) + ".zusatz";
}

std::uint64_t SaveChecksum(std::string_view saveBytes) {
  return Fnv1a(kFnv1aOffsetBasis, saveBytes);
}

SaveBytes WriteSaveCompanion(const SaveCompanion& companion) {
  Writer writer;
  writer.Line(kHead);
  writer.Value("Version", FormatInt(kSaveCompanionVersion), "");
  writer.Value("Spielstand", FormatChecksum(companion.saveChecksum), "");
  writer.Line(kMissionHead);
  writer.Value("Belohnung", FormatInt(companion.pendingReward), "");
  writer.Value("Schiffe", FormatInt(static_cast<long long>(companion.missionShips.size())), "");
  for (size_t s = 0; s < companion.missionShips.size(); ++s) {
    WriteShip(writer, companion.missionShips[s], s + 1);
  }
  writer.Line(kPlacesHead);
  writer.Value("Anzahl", FormatInt(static_cast<long long>(companion.places.size())), "");
  for (const CompanionPlace& place : companion.places) {
    writer.Line(kPlaceHead);
    const std::string of = " of place \"" + place.name + "\"";
    writer.Value("Name", place.name, "the name" + of);
    writer.Value("Schiffe", place.shipOffers, "the ship offers" + of);
    writer.Value("Waffen", place.weaponOffers, "the weapon offers" + of);
  }
  SaveBytes result;
  if (!writer.error.empty()) {
    result.error = writer.error + " holds a line break, which the file cannot keep";
    return result;
  }
  result.ok = true;
  result.bytes = std::move(writer.out);
  return result;
}

CompanionRead ReadSaveCompanion(std::string_view bytes) {
  Reader reader{bytes};
  CompanionRead result;
  SaveCompanion companion;
  if (ReadBody(reader, companion)) {
    result.ok = true;
    result.companion = std::move(companion);
  } else {
    result.error = reader.error;
  }
  return result;
}
