#include "formats/route_points.h"

#include "formats/text_rules.h"

std::string FormatRoutePoint(const RoutePoint& point) {
  std::string line = PadLeft(FormatInt(point.x), 10) + PadLeft(FormatInt(point.y), 10) +
                     PadLeft(FormatInt(point.kind), 5);
  line += kLineEnd;
  return line;
}

std::vector<RoutePoint> ReadRoutePoints(std::string_view bytes, ReadIssues* issues) {
  std::vector<RoutePoint> points;
  const std::vector<std::string> lines = SplitLines(bytes);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (TrimBlanks(lines[i]).empty()) continue;
    RoutePoint point;
    point.x = ReadIntField(Columns(lines[i], 1, 10), number, "x", issues);
    point.y = ReadIntField(Columns(lines[i], 11, 20), number, "y", issues);
    point.kind = ReadIntField(Columns(lines[i], 21, 25), number, "kind", issues);
    points.push_back(point);
  }
  return points;
}

WriteResult AppendRoutePoint(const std::filesystem::path& path, const RoutePoint& point) {
  return AppendToFile(path, FormatRoutePoint(point));
}
