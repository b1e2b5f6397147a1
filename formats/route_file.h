#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/file_io.h"
#include "formats/read_issues.h"
#include "formats/record_fields.h"

// INI\<system>\Routen.ini: line 1 the number of routes; then per route "[Routen]", the group name
// of its ships and one waypoint line per waypoint: x, y and kind in three left-aligned columns of
// 10 characters.

inline constexpr std::string_view kRouteMarker = "[Routen]";
inline constexpr int kMaxWaypoints = 31;

// Waypoint kinds 1..4 as the editor names them ([0] is empty).
extern const std::array<std::string_view, 5> WaypointKindNames;

struct Waypoint {
  int x = 0;  // offset inside the system
  int y = 0;
  int kind = 0;  // 1 appear + undock, 2 fly to, 3 dock, 4 dock + disappear
};

template <>
struct RecordFields<Waypoint> {
  static constexpr auto kList = std::make_tuple(Field("x", &Waypoint::x), Field("y", &Waypoint::y),
                                                Field("kind", &Waypoint::kind));
};

struct RouteRecord {
  std::string groupName;
  std::vector<Waypoint> waypoints;  // travel order
  int line = 0;                     // line number of the "[Routen]" line; 0 when made in memory
};

struct RouteFile {
  int declaredCount = 0;  // line 1, which the game trusts when it picks a route
  std::vector<RouteRecord> routes;
};

// The editor takes every line up to the next "[Routen]" as a waypoint (x 1-10, y 11-20,
// kind 21-30); the game also ends a route at an empty line and reads the kind from 21-25.
enum class RouteReadMode { kEditor, kGame };

RouteFile ReadRoutes(std::string_view bytes, RouteReadMode mode, ReadIssues* issues = nullptr);
// A missing file gives no routes (declared count 0).
RouteFile LoadRoutes(const std::filesystem::path& path, RouteReadMode mode,
                     ReadIssues* issues = nullptr);

// Exactly what the editor writes; line 1 is the number of routes given.
std::string WriteRoutes(const std::vector<RouteRecord>& routes);
WriteResult SaveRoutes(const std::filesystem::path& path, const std::vector<RouteRecord>& routes);

// One waypoint line (30 characters when the numbers fit their columns), without line end.
std::string FormatWaypointLine(const Waypoint& waypoint);
