#include "game/world/routes.h"

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "formats/element_kinds.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "formats/universe_file.h"
#include "game/world/world_lists.h"

namespace {

constexpr float kMarkerRadius = 128;
constexpr double kLaneOffset = 160;

struct LaneGeometry {
  double x, y;    // route origin
  double ux, uy;  // along the route
  double vx, vy;  // across it
  double spacing;
};

void AddMarker(World& world, int type, int id, const LaneGeometry& g, double along, double across,
               float angle, int group, const std::string& name) {
  AddSystemObject(world.visit.systemObjects,
                  {.type = type,
                   .id = id,
                   .radius = kMarkerRadius,
                   .x = static_cast<float>(RoundToInt(g.x + along * g.ux + across * g.vx)),
                   .y = static_cast<float>(RoundToInt(g.y + along * g.uy + across * g.vy)),
                   .angle = angle,
                   .spin = 0,
                   .bound = 0,
                   .group = group,
                   .name = name});
}

}  // namespace

void AddRoute(World& world, int id, int colour, int x, int y, int angle, int length, int group,
              const std::string& name) {
  const double a = angle * kRadiansPerDegree;
  const double b = (angle + 90) * kRadiansPerDegree;
  const LaneGeometry g{double(x),
                       double(y),
                       std::cos(a),
                       std::sin(a),
                       std::cos(b),
                       std::sin(b),
                       double(LaneSegmentLength(colour))};
  // A lane longer than any the game can fly would only build markers by the million.
  length = std::clamp(length, 0, kMaxRouteLength);
  const LaneEnds ends = SplitLaneName(name);
  const int start = LaneMarkerType(colour, LanePart::kEntry);
  const int middle = LaneMarkerType(colour, LanePart::kMiddle);
  const int end = LaneMarkerType(colour, LanePart::kExit);
  const double s = g.spacing;

  const std::string outward = "-> " + ends.second;
  AddMarker(world, start, id + 1, g, 0, kLaneOffset, angle, group, outward);
  for (int i = 1; i < length; ++i) {
    AddMarker(world, middle, id + 1, g, i * s, kLaneOffset, angle, group, outward);
  }
  AddMarker(world, end, id + 1, g, length * s, kLaneOffset, angle, group, outward);

  const std::string back = "-> " + ends.first;
  const float backAngle = static_cast<float>(angle - 180);
  AddMarker(world, start, id + 2, g, length * s, -kLaneOffset, backAngle, group, back);
  for (int i = 1; i < length; ++i) {
    AddMarker(world, middle, id + 2, g, (length - i) * s, -kLaneOffset, backAngle, group, back);
  }
  AddMarker(world, end, id + 2, g, 0, -kLaneOffset, backAngle, group, back);
}
