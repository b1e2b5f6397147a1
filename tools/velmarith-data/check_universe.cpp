// INI\Universum.ini: its systems and the lanes between them.
#include <cstdlib>
#include <map>

#include "formats/text_rules.h"
#include "tools/velmarith-data/check_context.h"

namespace {

constexpr std::string_view kUniverseFile = "INI\\Universum.ini";
constexpr std::string_view kStartPlace = "Planet Neue Allianz";

void CheckSystems(CheckContext& context) {
  std::map<std::string, int> names;
  std::vector<const UniverseRecord*> systems;
  for (const UniverseRecord& record : context.universe.records) {
    if (record.kind != UniverseRecordKind::kSystem) continue;
    const SystemEntry& system = record.system;
    ++context.result.summary.systems;
    if (system.name.empty()) continue;  // reported by the reader
    const auto [it, added] = names.emplace(system.name, record.line);
    if (!added) {
      Report(context, kUniverseFile, record.line,
             "system " + Quoted(system.name) + " is listed again (first at line " +
                 FormatInt(it->second) + ")");
    }
    for (const UniverseRecord* other : systems) {
      const long long dx =
          std::llabs(static_cast<long long>(system.originX) - other->system.originX);
      const long long dy =
          std::llabs(static_cast<long long>(system.originY) - other->system.originY);
      if (dx < kSystemSide && dy < kSystemSide) {
        Report(context, kUniverseFile, record.line,
               "the square of system " + Quoted(system.name) + " overlaps that of " +
                   Quoted(other->system.name) + " (line " + FormatInt(other->line) +
                   "): a ship in both loads both");
      }
    }
    systems.push_back(&record);
    if (!DataExists(context, "INI\\" + system.name + "\\System.ini")) {
      Report(context, kUniverseFile, record.line + 1,
             "system folder " + Quoted("INI\\" + system.name) + " or its System.ini is missing");
    }
  }
}

void CheckLanes(CheckContext& context) {
  for (const UniverseRecord& record : context.universe.records) {
    if (record.kind != UniverseRecordKind::kLane) continue;
    const LaneRecord& lane = record.lane;
    ++context.result.summary.lanes;
    if (lane.group < 0 || lane.group > context.groups.groupCount) {
      Report(context, kUniverseFile, record.line + 6,
             "group number " + FormatInt(lane.group) + " is no group of INI\\Gruppen.ini");
    }
    if (lane.length < 1) {
      Report(context, kUniverseFile, record.line + 5,
             "lane length " + FormatInt(lane.length) + " gives no lane to fly");
    }
    if (!SplitLaneName(lane.name).separated) {
      Report(context, kUniverseFile, record.line + 7,
             "lane name " + Quoted(lane.name) + " lacks \"<>\" between its two ends");
    }
    CheckLaneExits(context, kUniverseFile, record.line, lane.colour, lane.x, lane.y, lane.angle,
                   lane.length, lane.name);
  }
}

}  // namespace

void CheckUniverse(CheckContext& context) {
  std::optional<std::string> bytes = ReadData(context, kUniverseFile);
  if (!bytes) {
    Report(context, kUniverseFile, 0, "file is missing; there is no system to fly in");
    return;
  }
  ReadIssues issues;
  context.universe = ReadUniverse(*bytes, &issues);
  ReportIssues(context, kUniverseFile, issues);
  CheckSystems(context);
  CheckLanes(context);
}

void CheckStartPlace(CheckContext& context) {
  if (context.universe.records.empty() || context.placeSystems.count(std::string(kStartPlace))) {
    return;
  }
  Report(context, kUniverseFile, 0,
         "no system has a docking ring " + Quoted(kStartPlace) + ", where a new game starts");
}
