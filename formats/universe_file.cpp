#include "formats/universe_file.h"

#include "formats/file_io.h"
#include "formats/text_rules.h"

namespace {

// The value lines of a record that starts after line index `marker`; lines beyond the end of the
// file read as empty text.
struct RecordLines {
  const std::vector<std::string>& lines;
  size_t marker;
  ReadIssues* issues;

  std::string Value(size_t k) const {
    const size_t index = marker + k;
    return index < lines.size() ? TrimBlanks(lines[index]) : std::string();
  }
  int Number() const { return static_cast<int>(marker) + 1; }
  int Int(size_t k, const char* what) const {
    const size_t index = marker + k;
    if (index >= lines.size()) return 0;
    return ReadIntField(lines[index], static_cast<int>(index) + 1, what, issues);
  }
  void NoteCutShort(size_t count) const {
    if (marker + count >= lines.size()) {
      NoteIssue(issues, Number(), "record cut short by the end of the file");
    }
  }
};

SystemEntry ReadSystemRecord(const RecordLines& record) {
  record.NoteCutShort(3);
  SystemEntry system;
  system.name = record.Value(1);
  system.originX = record.Int(2, "origin x");
  system.originY = record.Int(3, "origin y");
  if (system.name.empty()) NoteIssue(record.issues, record.Number() + 1, "empty system name");
  return system;
}

LaneRecord ReadLaneRecord(const RecordLines& record) {
  record.NoteCutShort(7);
  LaneRecord lane;
  lane.colourWord = record.Value(1);
  lane.colour = LaneColourCode(lane.colourWord);
  if (lane.colour == 0) {
    NoteIssue(record.issues, record.Number() + 1,
              "unknown lane colour \"" + lane.colourWord + "\" (BLAU, GR\xDCN or ROT)");
  }
  lane.x = record.Int(2, "x");
  lane.y = record.Int(3, "y");
  lane.angle = record.Int(4, "angle");
  lane.length = record.Int(5, "length");
  lane.group = record.Int(6, "group number");
  lane.name = record.Value(7);
  return lane;
}

}  // namespace

UniverseFile ReadUniverse(std::string_view bytes, ReadIssues* issues) {
  UniverseFile universe;
  const std::vector<std::string> lines = SplitLines(bytes);
  size_t i = 0;
  while (i < lines.size()) {
    const std::string& line = lines[i];
    UniverseRecord record;
    record.line = static_cast<int>(i) + 1;
    const RecordLines recordLines{lines, i, issues};
    if (line == kSystemMarker) {
      record.kind = UniverseRecordKind::kSystem;
      record.system = ReadSystemRecord(recordLines);
      universe.records.push_back(std::move(record));
      i += 4;
      continue;
    }
    if (line == kLaneMarker) {
      record.kind = UniverseRecordKind::kLane;
      record.lane = ReadLaneRecord(recordLines);
      universe.records.push_back(std::move(record));
      i += 8;
      continue;
    }
    const std::string trimmed = TrimBlanks(line);
    if (trimmed == kSystemMarker || trimmed == kLaneMarker) {
      NoteIssue(issues, record.line,
                "marker \"" + trimmed + "\" has blanks around it and is skipped");
    } else if (!trimmed.empty()) {
      NoteIssue(issues, record.line, "line outside a record is skipped");
    }
    ++i;
  }
  return universe;
}

UniverseFile LoadUniverse(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadUniverse(ReadFileBytes(path).value_or(std::string()), issues);
}

std::vector<SystemEntry> UniverseSystems(const UniverseFile& universe) {
  std::vector<SystemEntry> systems;
  for (const UniverseRecord& record : universe.records) {
    if (record.kind == UniverseRecordKind::kSystem) systems.push_back(record.system);
  }
  return systems;
}

std::vector<LaneRecord> UniverseLanes(const UniverseFile& universe) {
  std::vector<LaneRecord> lanes;
  for (const UniverseRecord& record : universe.records) {
    if (record.kind == UniverseRecordKind::kLane) lanes.push_back(record.lane);
  }
  return lanes;
}

int LaneSegmentLength(int colour) {
  if (colour < 1 || colour > 3) return 2000;
  return colour * colour * 1000;
}

int LaneColourCode(std::string_view word) {
  if (word == "BLAU") return 1;
  if (word == "GR\xDCN") return 2;
  if (word == "ROT") return 3;
  return 0;
}

std::string_view LaneColourWord(int colour) {
  switch (colour) {
    case 1:
      return "BLAU";
    case 2:
      return "GR\xDCN";
    case 3:
      return "ROT";
    default:
      return "";
  }
}

bool SystemContains(const SystemEntry& system, double x, double y) {
  const double dx = x - system.originX;
  const double dy = y - system.originY;
  return dx > 0 && dx < kSystemSide && dy > 0 && dy < kSystemSide;
}

LaneEnds SplitLaneName(std::string_view name) {
  const size_t found = name.find("<>");
  if (found == std::string_view::npos) return {std::string(name), std::string(name), false};
  // p is the 1-based position of "<>": the first end is the first p - 2 characters (the text
  // before the blank before "<>"), the second starts at the third character after "<".
  const size_t p = found + 1;
  LaneEnds ends;
  ends.first = std::string(name.substr(0, p >= 2 ? p - 2 : 0));
  const size_t secondStart = p + 2;  // 0-based index of the character p + 3
  ends.second = secondStart < name.size() ? std::string(name.substr(secondStart)) : std::string();
  ends.separated = true;
  return ends;
}
