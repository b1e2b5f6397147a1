#include "formats/route_file.h"

#include "formats/text_rules.h"

const std::array<std::string_view, 5> WaypointKindNames = {"", "Erscheinen + Abdocken", "Anfliegen",
                                                           "Andocken", "Verschwinden + Andocken"};

namespace {

Waypoint ReadWaypointLine(std::string_view line, int number, RouteReadMode mode,
                          ReadIssues* issues) {
  Waypoint waypoint;
  waypoint.x = ReadIntField(Columns(line, 1, 10), number, "waypoint x", issues);
  waypoint.y = ReadIntField(Columns(line, 11, 20), number, "waypoint y", issues);
  const int kindEnd = mode == RouteReadMode::kGame ? 25 : 30;
  waypoint.kind = ReadIntField(Columns(line, 21, kindEnd), number, "waypoint kind", issues);
  if (waypoint.kind < 1 || waypoint.kind > 4) {
    NoteIssue(issues, number, "waypoint kind " + FormatInt(waypoint.kind) + " outside 1..4");
  }
  return waypoint;
}

}  // namespace

RouteFile ReadRoutes(std::string_view bytes, RouteReadMode mode, ReadIssues* issues) {
  RouteFile file;
  const std::vector<std::string> lines = SplitLines(bytes);
  if (lines.empty()) return file;
  file.declaredCount = ReadIntField(lines[0], 1, "route count", issues);
  size_t i = 1;
  for (; i < lines.size() && lines[i] != kRouteMarker; ++i) {
    if (!TrimBlanks(lines[i]).empty()) {
      NoteIssue(issues, static_cast<int>(i) + 1, "line before the first route is skipped");
    }
  }
  while (i < lines.size()) {
    RouteRecord route;
    route.line = static_cast<int>(i) + 1;
    ++i;
    if (i < lines.size()) {
      route.groupName = TrimBlanks(lines[i]);
      ++i;
    } else {
      NoteIssue(issues, route.line, "route without a group name");
    }
    bool ended = false;  // the game ends a route at an empty line
    for (; i < lines.size() && lines[i] != kRouteMarker; ++i) {
      const int number = static_cast<int>(i) + 1;
      if (mode == RouteReadMode::kGame && lines[i].empty()) ended = true;
      if (ended) continue;
      route.waypoints.push_back(ReadWaypointLine(lines[i], number, mode, issues));
    }
    if (route.waypoints.size() > static_cast<size_t>(kMaxWaypoints)) {
      NoteIssue(issues, route.line,
                "route has " + FormatInt(static_cast<long long>(route.waypoints.size())) +
                    " waypoints, more than 31");
    }
    file.routes.push_back(std::move(route));
  }
  return file;
}

RouteFile LoadRoutes(const std::filesystem::path& path, RouteReadMode mode, ReadIssues* issues) {
  return ReadRoutes(ReadFileBytes(path).value_or(std::string()), mode, issues);
}

std::string FormatWaypointLine(const Waypoint& waypoint) {
  return PadRight(FormatInt(waypoint.x), 10) + PadRight(FormatInt(waypoint.y), 10) +
         PadRight(FormatInt(waypoint.kind), 10);
}

std::string WriteRoutes(const std::vector<RouteRecord>& routes) {
  std::string out;
  AppendLine(out, FormatInt(static_cast<long long>(routes.size())));
  for (const RouteRecord& route : routes) {
    AppendLine(out, kRouteMarker);
    AppendLine(out, route.groupName);
    for (const Waypoint& waypoint : route.waypoints) AppendLine(out, FormatWaypointLine(waypoint));
  }
  return out;
}

WriteResult SaveRoutes(const std::filesystem::path& path, const std::vector<RouteRecord>& routes) {
  return WriteFileAtomically(path, WriteRoutes(routes));
}
