#include "tools/velmarith-data/check.h"

#include <cmath>
#include <ostream>
#include <utility>

#include "formats/angles.h"
#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/text_rules.h"
#include "tools/velmarith-data/check_context.h"
#include "tools/velmarith-data/commands.h"

std::optional<std::string> ReadData(const CheckContext& context, std::string_view dataPath) {
  std::optional<std::string> bytes = ReadFileBytes(DataPath(context.root, dataPath));
  if (bytes && context.options.utf8) *bytes = Utf8ToLatin1(*bytes);
  return bytes;
}

bool DataExists(const CheckContext& context, std::string_view dataPath) {
  std::error_code error;
  return std::filesystem::is_regular_file(DataPath(context.root, dataPath), error);
}

void Report(CheckContext& context, std::string_view dataPath, int line, std::string message) {
  std::string file(dataPath);
  for (char& c : file) {
    if (c == '\\') c = '/';
  }
  context.result.problems.push_back({std::move(file), line, std::move(message)});
}

void ReportIssues(CheckContext& context, std::string_view dataPath, const ReadIssues& issues) {
  for (const ReadIssue& issue : issues) Report(context, dataPath, issue.line, issue.message);
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

void CheckGroupName(CheckContext& context, std::string_view dataPath, int line,
                    std::string_view groupName) {
  if (groupName.empty() || groupName == kNoGroupName) return;
  if (GroupIndex(context.groups, groupName) > 0) return;
  if (context.groups.groupCount >= 0 && context.groups.groupNames[0] == groupName) return;
  Report(context, dataPath, line,
         "group " + Quoted(groupName) + " matches no entry of INI\\Gruppen.ini (read as group 0)");
}

void CheckSystemPosition(CheckContext& context, std::string_view dataPath, int line, long long x,
                         long long y, std::string_view what) {
  if (x >= 0 && x <= kSystemSide && y >= 0 && y <= kSystemSide) return;
  Report(context, dataPath, line,
         std::string(what) + " (" + FormatInt(x) + ", " + FormatInt(y) +
             ") lies outside the system square 0..100000");
}

void CheckLaneExits(CheckContext& context, std::string_view dataPath, int line, int colour,
                    double x, double y, int angle, int length, std::string_view name) {
  // Only green and red lanes carry a ship into another system at their far ends.
  if (colour != 2 && colour != 3) return;
  const double spacing = colour * colour * 1000.0;
  const double ux = CosDeg(angle);
  const double uy = SinDeg(angle);
  const double vx = CosDeg(angle + 90);
  const double vy = SinDeg(angle + 90);
  const LaneEnds ends = SplitLaneName(name);
  const struct {
    double x, y;
    std::string towards;
  } exits[] = {
      {x + length * spacing * ux + 160 * vx, y + length * spacing * uy + 160 * vy, ends.second},
      {x - 160 * vx, y - 160 * vy, ends.first},
  };
  const std::vector<SystemEntry> systems = UniverseSystems(context.universe);
  for (const auto& exit : exits) {
    bool inSystem = false;
    for (const SystemEntry& system : systems)
      inSystem = inSystem || SystemContains(system, exit.x, exit.y);
    if (inSystem) continue;
    Report(context, dataPath, line,
           "the lane towards " + Quoted(exit.towards) + " ends at (" +
               FormatInt(std::llround(exit.x)) + ", " + FormatInt(std::llround(exit.y)) +
               "), which lies in no system");
  }
}

CheckResult CheckGameFolder(const std::filesystem::path& gameFolder, const CheckOptions& options) {
  CheckContext context;
  context.root = gameFolder;
  context.options = options;
  CheckCatalogues(context);
  CheckUniverse(context);
  std::map<std::string, bool> checked;  // a folder listed twice is checked once
  for (const UniverseRecord& record : context.universe.records) {
    if (record.kind != UniverseRecordKind::kSystem || record.system.name.empty()) continue;
    if (checked[record.system.name]) continue;
    checked[record.system.name] = true;
    CheckSystem(context, record.system, record.line);
  }
  CheckStartPlace(context);
  context.result.summary.places = static_cast<int>(context.placeSystems.size());
  return std::move(context.result);
}

std::string FormatProblem(const Problem& problem) {
  return Latin1ToUtf8(problem.file) + ":" + std::to_string(problem.line) + ": " +
         Latin1ToUtf8(problem.message);
}

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::filesystem::path> folder;
  CheckOptions options;
  for (const std::string& arg : args) {
    if (arg == "--utf8")
      options.utf8 = true;
    else if (arg == "--no-pictures")
      options.pictures = false;
    else if (!folder && !arg.starts_with("--"))
      folder = arg;
    else {
      err << "velmarith-data check: unexpected argument \"" << arg << "\"\n";
      return 2;
    }
  }
  if (!folder) {
    err << "usage: velmarith-data check <game folder> [--utf8] [--no-pictures]\n";
    return 2;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(*folder / "INI", error)) {
    err << "velmarith-data check: " << folder->string() << " holds no INI folder\n";
    return 2;
  }
  const CheckResult result = CheckGameFolder(*folder, options);
  for (const Problem& problem : result.problems) out << FormatProblem(problem) << "\n";
  const CheckSummary& s = result.summary;
  out << folder->string() << ": " << s.systems << " systems, " << s.lanes << " lanes, "
      << s.elements << " elements, " << s.places << " places, " << s.people << " people, "
      << s.routes << " routes checked: ";
  if (result.problems.empty()) {
    out << "no problems\n";
    return 0;
  }
  out << result.problems.size() << (result.problems.size() == 1 ? " problem\n" : " problems\n");
  return 1;
}
