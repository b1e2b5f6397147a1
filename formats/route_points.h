#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/file_io.h"
#include "formats/read_issues.h"
#include "formats/record_fields.h"

// INI\Routenpunkte.txt, where the game records route points for universe authors: one line per
// point, x and y offsets right-aligned in 10 characters each, then the digit 0, 1 or 2
// right-aligned in 5.

struct RoutePoint {
  int x = 0;
  int y = 0;
  int kind = 0;
};

template <>
struct RecordFields<RoutePoint> {
  static constexpr auto kList = std::make_tuple(
      Field("x", &RoutePoint::x), Field("y", &RoutePoint::y), Field("kind", &RoutePoint::kind));
};

// One line with its CR LF.
std::string FormatRoutePoint(const RoutePoint& point);

// The points of a file (for the tools; the game only appends).
std::vector<RoutePoint> ReadRoutePoints(std::string_view bytes, ReadIssues* issues = nullptr);

// Appends one point, creating the file when missing.
WriteResult AppendRoutePoint(const std::filesystem::path& path, const RoutePoint& point);
