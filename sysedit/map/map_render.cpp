#include "sysedit/map/map_render.h"

#include <cmath>

#include "formats/angles.h"
#include "formats/kind_defs.h"
#include "formats/rounding.h"
#include "formats/universe_file.h"
#include "sysedit/document/document.h"
#include "sysedit/map/raster.h"

namespace {

struct GridSet {
  int zoom;
  int spacing;  // world units / 25
  int step;     // every step-th index of 0..count
  int count;
  int grey;
};

// Per zoom, in drawing order: later sets draw over earlier ones.
constexpr GridSet kGridSets[] = {
    {8, 400, 1, 10, 80},  {8, 400, 5, 10, 120}, {4, 80, 1, 50, 60},   {4, 400, 1, 10, 100},
    {4, 400, 5, 10, 120}, {2, 80, 1, 50, 80},   {2, 400, 1, 10, 120}, {1, 40, 1, 100, 40},
    {1, 80, 1, 50, 80},   {1, 400, 1, 10, 120},
};

uint32_t Rgb(int red, int green, int blue) {
  return qRgb(red, green, blue);
}

void DrawGrid(Canvas& canvas, const MapView& view) {
  const int z = ZoomDivisor(view);
  const MapPoint shift = CameraShift(view);
  const MapPoint origin = WorldToMap(view, 0, 0);
  const int length = 4000 / z;  // 100000 world units
  for (const GridSet& set : kGridSets) {
    if (set.zoom != z) continue;
    const uint32_t colour = Rgb(set.grey, set.grey, set.grey);
    for (int i = 0; i <= set.count; i += set.step) {
      const int offset = i * set.spacing / z;
      VerticalRun(canvas, offset + shift.x + kMapSize / 2, origin.y, origin.y + length - 1, colour);
      HorizontalRun(canvas, origin.x, origin.x + length - 1, offset + shift.y + kMapSize / 2,
                    colour);
    }
  }
}

void DrawElement(Canvas& canvas, const MapView& view, const ElementRecord& element, int colour) {
  const double s = MapScale(view);
  const MapPoint p = WorldToMap(view, element.x, element.y);
  const uint32_t pixel = ElementPixelColour(colour);
  const std::string& group = element.elementGroup;
  if (group == "Umgebungen" || group == "Felder" || group == "Sonnen" || group == "Planeten") {
    FillCircle(canvas, p.x, p.y, RoundToInt(element.radius * s), pixel);
  } else if (group == "Routen") {
    const double angle = element.direction * kRadiansPerDegree;
    // As long as the lane the game lays from it.
    const int segment = LaneSegmentLength(LaneColourCode(element.elementType));
    const double reach = static_cast<double>(element.length) * s * segment;
    const long long dx = std::llround(std::nearbyint(std::cos(angle) * reach));
    const long long dy = std::llround(std::nearbyint(std::sin(angle) * reach));
    DrawLine(canvas, p.x, p.y, p.x + dx, p.y + dy, pixel);
  } else if (group == "Stationen") {
    const int half = RoundToInt(element.radius * s);
    const int side = RoundToInt(element.radius * s * 2);
    FillRect(canvas, p.x - half, p.y - half, side, side, pixel);
  } else if (group == kDockingRingGroup) {
    FillCircle(canvas, p.x, p.y, 2, pixel);
  }
}

void DrawSelectedRoute(Canvas& canvas, const MapView& view, const EditorRoute& route) {
  const int used = UsedWaypointCount(route);
  const uint32_t ends = Rgb(255, 255, 155);
  const uint32_t legs = Rgb(200, 200, 100);
  for (int i = 0; i + 1 < used; ++i) {
    const MapPoint a = WorldToMap(view, route.waypoints[i].x, route.waypoints[i].y);
    const MapPoint b = WorldToMap(view, route.waypoints[i + 1].x, route.waypoints[i + 1].y);
    DrawLine(canvas, a.x, a.y, b.x, b.y, legs);
  }
  // Without used waypoints both ends are slot 0, the cleared slot at the world origin.
  const EditorWaypoint& first = route.waypoints[0];
  const EditorWaypoint& last = route.waypoints[used > 0 ? used - 1 : 0];
  const MapPoint a = WorldToMap(view, first.x, first.y);
  const MapPoint b = WorldToMap(view, last.x, last.y);
  CircleOutline(canvas, a.x, a.y, 2, ends);
  CircleOutline(canvas, b.x, b.y, 2, ends);
}

void DrawCross(Canvas& canvas, const MapView& view, MapPoint world, uint32_t colour) {
  const MapPoint p = WorldToMap(view, world.x, world.y);
  VerticalRun(canvas, p.x, p.y - 10, p.y + 9, colour);
  HorizontalRun(canvas, p.x - 10, p.x + 9, p.y, colour);
}

}  // namespace

QRgb ElementPixelColour(int colour) {
  return qRgb(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

void RenderMap(const EditorDocument& document, const KindDefs& elementDefs, const MapView& view,
               const MapMarks& marks, QImage& image) {
  if (image.width() != kMapSize || image.height() != kMapSize ||
      image.format() != QImage::Format_RGB32) {
    image = QImage(kMapSize, kMapSize, QImage::Format_RGB32);
  }
  Canvas canvas{reinterpret_cast<uint32_t*>(image.bits()), kMapSize, kMapSize,
                static_cast<int>(image.bytesPerLine() / 4)};
  FillCanvas(canvas, Rgb(0, 0, 0));
  DrawGrid(canvas, view);

  const uint32_t white = Rgb(255, 255, 255);
  const uint32_t placeBlue = Rgb(0, 128, 255);
  for (size_t i = 0; i < document.elements.size(); ++i) {
    const ElementRecord& element = document.elements[i];
    DrawElement(canvas, view, element,
                ElementColour(elementDefs, element.elementGroup, element.elementType));
    const MapPoint p = WorldToMap(view, element.x, element.y);
    if (static_cast<int>(i) == marks.selectedElement) CircleOutline(canvas, p.x, p.y, 10, white);
    if (element.elementGroup == kDockingRingGroup && !element.name.empty() &&
        element.name == marks.placeName) {
      RectOutline(canvas, p.x - 5, p.y - 5, 10, 10, placeBlue);
    }
  }

  if (marks.selectedRoute >= 0 && marks.selectedRoute < static_cast<int>(document.routes.size())) {
    DrawSelectedRoute(canvas, view, document.routes[marks.selectedRoute]);
  }

  DrawCross(canvas, view, marks.elementCross, Rgb(128, 128, 128));
  DrawCross(canvas, view, marks.personCross, placeBlue);
  DrawCross(canvas, view, marks.waypointCross, Rgb(255, 128, 0));
}
