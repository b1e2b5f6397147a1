#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/read_issues.h"
#include "formats/record_fields.h"

// INI\Universum.ini: star systems and the lanes between them, as records introduced by a marker
// line. Records stay in file order because the game hands out object ids in that order. Lines
// outside records are skipped; a record cut short by the end of the file reads its missing lines
// as empty text and 0.

inline constexpr std::string_view kSystemMarker = "[Systeme]";
inline constexpr std::string_view kLaneMarker = "[Routen]";
inline constexpr int kSystemSide = 100000;

struct SystemEntry {
  std::string name;  // also the folder name under INI
  int originX = 0;
  int originY = 0;
};

template <>
struct RecordFields<SystemEntry> {
  static constexpr auto kList =
      std::make_tuple(Field("name", &SystemEntry::name), Field("originX", &SystemEntry::originX),
                      Field("originY", &SystemEntry::originY));
};

struct LaneRecord {
  int colour = 0;          // 1 "BLAU", 2 "GRÜN", 3 "ROT"; 0 for any other word
  std::string colourWord;  // as written, trimmed
  int x = 0;               // universe coordinates
  int y = 0;
  int angle = 0;
  int length = 0;
  int group = 0;     // group index
  std::string name;  // "A <> B"
};

template <>
struct RecordFields<LaneRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("colour", &LaneRecord::colour), Field("colourWord", &LaneRecord::colourWord),
      Field("x", &LaneRecord::x), Field("y", &LaneRecord::y), Field("angle", &LaneRecord::angle),
      Field("length", &LaneRecord::length), Field("group", &LaneRecord::group),
      Field("name", &LaneRecord::name));
};

enum class UniverseRecordKind { kSystem, kLane };

struct UniverseRecord {
  UniverseRecordKind kind = UniverseRecordKind::kSystem;
  SystemEntry system;  // for kSystem
  LaneRecord lane;     // for kLane
  int line = 0;        // line number of the marker
};

struct UniverseFile {
  std::vector<UniverseRecord> records;  // file order, systems and lanes interleaved
};

UniverseFile ReadUniverse(std::string_view bytes, ReadIssues* issues = nullptr);
UniverseFile LoadUniverse(const std::filesystem::path& path, ReadIssues* issues = nullptr);

// The systems and the lanes alone, each in file order.
std::vector<SystemEntry> UniverseSystems(const UniverseFile& universe);
std::vector<LaneRecord> UniverseLanes(const UniverseFile& universe);

// Lane colour words: "BLAU" 1, "GRÜN" 2, "ROT" 3 (Latin-1); 0 for any other word, "" for codes
// other than 1..3.
int LaneColourCode(std::string_view word);
std::string_view LaneColourWord(int colour);

// The world units between a lane's markers, as the game lays and flies them: the colour code
// squared times 1000 (1000 blue, 4000 green, 9000 red). Maps draw a lane of n segments n times
// as long; a lane of an unknown colour, which the game does not lay, is drawn 2000 a segment.
int LaneSegmentLength(int colour);

// Whether a universe position lies in the system's open square (edges belong to no system).
bool SystemContains(const SystemEntry& system, double x, double y);

// The two end names of a lane name "A <> B", cut as the game cuts them: `first` is the first
// p - 2 characters, `second` everything from the third character after "<", where p is the
// 1-based position of "<>". Without "<>" both are the whole name and `separated` is false.
struct LaneEnds {
  std::string first;
  std::string second;
  bool separated = false;
};
LaneEnds SplitLaneName(std::string_view name);
