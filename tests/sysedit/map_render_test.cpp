// Map pixels at the documented positions: the transform with its separate rounding, the grid
// sets of each zoom, the element shapes, the markers and the crosses.

#include <algorithm>

#include <gtest/gtest.h>

#include "formats/kind_defs.h"
#include "sysedit/document/document.h"
#include "sysedit/map/map_render.h"
#include "sysedit/map/map_view.h"
#include "sysedit/map/raster.h"

namespace {

constexpr QRgb kBlack = 0xff000000;

QRgb Grey(int value) {
  return qRgb(value, value, value);
}

struct Rendered {
  QImage image;
  QRgb At(int x, int y) const { return image.pixel(x, y); }
};

// Marks that put every cross far outside the map, so that only what a test adds is drawn.
MapMarks NoMarks() {
  MapMarks marks;
  marks.elementCross = marks.personCross = marks.waypointCross = {-900000, -900000};
  return marks;
}

// Element definitions that give every element of the document the colour its type names:
// MakeElement names the type after the colour ("Farbe 255"); any other type is white.
KindDefs ColourDefs(const EditorDocument& document) {
  KindGroup types;
  for (const ElementRecord& element : document.elements) {
    const std::string& name = element.elementType;
    const auto listed = [&](const KindType& type) { return type.name == name; };
    if (std::any_of(types.types.begin(), types.types.end(), listed)) continue;
    const bool named = name.rfind("Farbe ", 0) == 0;
    types.types.push_back({name, "", named ? std::stoi(name.substr(6)) : 0xffffff, 0});
  }
  KindDefs defs;
  for (const ElementRecord& element : document.elements) {
    if (KindGroupIndex(defs, element.elementGroup) >= 0) continue;
    defs.groups.push_back(types);
    defs.groups.back().name = element.elementGroup;
  }
  return defs;
}

Rendered Render(const EditorDocument& document, const MapView& view, const MapMarks& marks) {
  Rendered out;
  RenderMap(document, ColourDefs(document), view, marks, out.image);
  return out;
}

MapView Zoom(int position) {
  MapView view;
  view.zoomPosition = position;
  return view;
}

TEST(MapTransform, InitialViewShowsTheWholeSystemSquare) {
  const MapView view;
  EXPECT_EQ(ZoomDivisor(view), 8);
  const MapPoint origin = WorldToMap(view, 0, 0);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  const MapPoint corner = WorldToMap(view, 100000, 100000);
  EXPECT_EQ(corner.x, 500);
  EXPECT_EQ(corner.y, 500);
}

TEST(MapTransform, TermsAreRoundedSeparatelyHalvesToEven) {
  MapView view;
  view.cameraX = -2004;                           // -250.5 rounds to -250
  view.cameraY = -2012;                           // -251.5 rounds to -252
  const MapPoint p = WorldToMap(view, 100, 300);  // 0.5 -> 0, 1.5 -> 2
  EXPECT_EQ(p.x, 0 - 250 + 250);
  EXPECT_EQ(p.y, 2 - 252 + 250);
}

TEST(MapTransform, PickedPointsAreMultiplesOf25z) {
  for (int position = 0; position < 4; ++position) {
    const MapView view = Zoom(position);
    const int step = 25 * ZoomDivisor(view);
    for (int u : {1, 17, 250, 499}) {
      const MapPoint world = MapToWorld(view, u, u);
      EXPECT_EQ(world.x % step, 0);
      const MapPoint back = WorldToMap(view, world.x, world.y);
      EXPECT_EQ(back.x, u) << "zoom " << position;
    }
  }
  EXPECT_FALSE(IsPickable(0, 10));
  EXPECT_FALSE(IsPickable(10, 500));
  EXPECT_TRUE(IsPickable(1, 499));
}

TEST(MapGrid, EachZoomDrawsItsLineSetsInOrder) {
  const EditorDocument empty;
  // z = 8: lines every 50 px from the origin at the top-left pixel; 0, 5, 10 brighter.
  Rendered map = Render(empty, Zoom(3), NoMarks());
  EXPECT_EQ(map.At(0, 0), Grey(120));
  EXPECT_EQ(map.At(50, 10), Grey(80));
  EXPECT_EQ(map.At(10, 50), Grey(80));
  EXPECT_EQ(map.At(250, 10), Grey(120));
  EXPECT_EQ(map.At(25, 25), kBlack);
  EXPECT_EQ(map.At(499, 499), kBlack);

  // z = 4: the origin lies 250 px up and left; fine lines every 20 px, lines every 100 px
  // over them, and the middle line of the system at 250.
  map = Render(empty, Zoom(2), NoMarks());
  EXPECT_EQ(map.At(10, 3), Grey(60));
  EXPECT_EQ(map.At(50, 3), Grey(100));
  EXPECT_EQ(map.At(250, 3), Grey(120));
  EXPECT_EQ(map.At(3, 250), Grey(120));
  EXPECT_EQ(map.At(11, 3), kBlack);

  // z = 2: every 40 px and every 200 px.
  map = Render(empty, Zoom(1), NoMarks());
  EXPECT_EQ(map.At(90, 3), Grey(80));
  EXPECT_EQ(map.At(50, 3), Grey(120));
  EXPECT_EQ(map.At(70, 3), kBlack);

  // z = 1: every 40, 80 and 400 px.
  map = Render(empty, Zoom(0), NoMarks());
  EXPECT_EQ(map.At(50, 3), Grey(40));
  EXPECT_EQ(map.At(90, 3), Grey(80));
  EXPECT_EQ(map.At(250, 3), Grey(120));
  EXPECT_EQ(map.At(30, 3), kBlack);
}

TEST(MapGrid, LinesEndWithTheSystemSquare) {
  MapView view;
  view.cameraX = 0;  // origin at (250, 250): the grid covers the bottom-right quarter only
  view.cameraY = 0;
  const Rendered map = Render(EditorDocument{}, view, NoMarks());
  EXPECT_EQ(map.At(250, 250), Grey(120));
  EXPECT_EQ(map.At(300, 499), Grey(80));
  EXPECT_EQ(map.At(300, 249), kBlack);
  EXPECT_EQ(map.At(249, 300), kBlack);
}

ElementRecord MakeElement(const char* group, int x, int y, int radius, int colour) {
  ElementRecord element;
  element.elementGroup = group;
  element.x = x;
  element.y = y;
  element.radius = radius;
  element.elementType = "Farbe " + std::to_string(colour);
  return element;
}

TEST(MapElements, ShapesInTheirMapColours) {
  EditorDocument document;
  const int red = 255, green = 255 * 256, blue = 255 * 65536;
  // A planet at 52500: 262.5 rounds to 262; radius 2000 is 10 px.
  document.elements.push_back(MakeElement("Planeten", 52500, 52500, 2000, red));
  // A station of radius 1000: a 10 px square from 5 px up and left.
  document.elements.push_back(MakeElement("Stationen", 20000, 80000, 1000, green));
  document.elements.push_back(MakeElement("Andockringe", 81000, 21000, 0, blue));
  ElementRecord lane = MakeElement("Routen", 71000, 71000, 0, red + green);
  lane.direction = 0;
  lane.length = 1;  // 2000 world units: 10 px to the right
  document.elements.push_back(lane);
  document.elements.push_back(MakeElement("Unbekannt", 90000, 90000, 5000, red));

  const Rendered map = Render(document, MapView{}, NoMarks());
  EXPECT_EQ(map.At(262, 262), qRgb(255, 0, 0));
  EXPECT_EQ(map.At(272, 262), qRgb(255, 0, 0));
  EXPECT_EQ(map.At(273, 262), kBlack);
  EXPECT_EQ(map.At(262, 252), qRgb(255, 0, 0));
  EXPECT_EQ(map.At(270, 270), kBlack);  // outside the round disk

  EXPECT_EQ(map.At(95, 395), qRgb(0, 255, 0));
  EXPECT_EQ(map.At(104, 404), qRgb(0, 255, 0));
  EXPECT_EQ(map.At(105, 395), kBlack);
  EXPECT_EQ(map.At(94, 398), kBlack);

  EXPECT_EQ(map.At(407, 105), qRgb(0, 0, 255));
  EXPECT_EQ(map.At(408, 105), kBlack);

  EXPECT_EQ(map.At(356, 355), qRgb(255, 255, 0));
  EXPECT_EQ(map.At(364, 355), qRgb(255, 255, 0));
  EXPECT_EQ(map.At(365, 355), kBlack);

  EXPECT_EQ(map.At(451, 451), kBlack);  // a group the map does not know draws nothing
}

// The plain step-by-step walk from one end to the other, every pixel checked against the
// canvas: what a line must look like wherever it starts.
std::vector<uint32_t> WalkedLine(long long x0, long long y0, long long x1, long long y1) {
  std::vector<uint32_t> pixels(kMapSize * kMapSize, 0);
  const long long dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  long long error = dx + dy;
  while (x0 != x1 || y0 != y1) {
    if (x0 >= 0 && y0 >= 0 && x0 < kMapSize && y0 < kMapSize) pixels[y0 * kMapSize + x0] = 1;
    const long long doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x0 += sx;
    }
    if (doubled <= dx) {
      error += dx;
      y0 += sy;
    }
  }
  return pixels;
}

std::vector<uint32_t> DrawnLine(long long x0, long long y0, long long x1, long long y1) {
  std::vector<uint32_t> pixels(kMapSize * kMapSize, 0);
  Canvas canvas{pixels.data(), kMapSize, kMapSize, kMapSize};
  DrawLine(canvas, x0, y0, x1, y1, 1);
  return pixels;
}

TEST(MapLines, AFarStartOrEndDrawsThePixelsOfTheWholeWalk) {
  // Lines that begin or end far outside the map, in every direction, and short ones inside.
  const long long ends[][4] = {
      {-30011, -20017, 700, 530}, {-40000, 123, 900, 401},
      {250, 250, 88889, -77777},  {-5, 90001, 505, -89999},
      {123457, 250, -98765, 260}, {251, -60000, 249, 60000},
      {10, 10, 490, 17},          {480, 3, 12, 499},
      {-1000, -1000, 1500, 1500}, {77777, 33333, -66666, -123},
      {3, -99999, 497, 99999},    {250, 250, 250, 250},
  };
  for (const auto& line : ends) {
    EXPECT_EQ(DrawnLine(line[0], line[1], line[2], line[3]),
              WalkedLine(line[0], line[1], line[2], line[3]))
        << line[0] << "," << line[1] << " -> " << line[2] << "," << line[3];
  }
}

TEST(MapLines, ALaneIsAsLongAsTheGameLaysIt) {
  // Markers every 1000 on a blue lane, 4000 on a green one, 9000 on a red one.
  const std::pair<const char*, int> lanes[] = {{"BLAU", 1000}, {"GR\xDCN", 4000}, {"ROT", 9000}};
  for (const auto& [kind, segment] : lanes) {
    EditorDocument document;
    ElementRecord lane = MakeElement("Routen", 50000, 50000, 0, 0xffffff);
    lane.elementType = kind;
    lane.direction = 0;
    lane.length = 2;
    document.elements.push_back(lane);
    const Rendered map = Render(document, MapView{}, NoMarks());
    const int end = 250 + 2 * segment / 200;  // one pixel per 200 units, the end left out
    EXPECT_EQ(map.At(end - 1, 250), qRgb(255, 255, 255)) << kind;
    EXPECT_NE(map.At(end, 250), qRgb(255, 255, 255)) << kind;  // the grid's grey lies beyond
  }
}

TEST(MapLines, ARouteOfAnyLengthDrawsOnlyWhatTheMapShows) {
  EditorDocument document;
  ElementRecord lane = MakeElement("Routen", 50000, 50000, 0, 0xffffff);
  lane.direction = 30;
  lane.length = 999999999;
  document.elements.push_back(lane);
  for (int position = 0; position < 4; ++position) {
    const Rendered map = Render(document, Zoom(position), NoMarks());
    const MapPoint start = WorldToMap(Zoom(position), 50000, 50000);
    if (start.x >= 0 && start.x < kMapSize && start.y >= 0 && start.y < kMapSize) {
      EXPECT_EQ(map.At(start.x, start.y), qRgb(255, 255, 255)) << position;
    }
    // Along 30 degrees the line leaves through the right or bottom border.
    int lit = 0;
    for (int v = 0; v < kMapSize; ++v) lit += map.At(kMapSize - 1, v) == qRgb(255, 255, 255);
    for (int u = 0; u < kMapSize; ++u) lit += map.At(u, kMapSize - 1) == qRgb(255, 255, 255);
    EXPECT_GE(lit, 1) << position;
  }
}

TEST(MapMarkers, SelectionPlaceRouteAndCrosses) {
  EditorDocument document;
  ElementRecord ring = MakeElement("Andockringe", 20000, 20000, 0, 0x00ff00);
  ring.name = "Hafen";
  document.elements.push_back(ring);
  ElementRecord unnamed = MakeElement("Andockringe", 60000, 20000, 0, 0x00ff00);
  document.elements.push_back(unnamed);
  EditorRoute route;
  route.waypoints[0] = {20000, 80000, 1};
  route.waypoints[1] = {40000, 80000, 2};
  document.routes.push_back(route);
  document.routes.push_back(EditorRoute{});

  MapMarks marks = NoMarks();
  marks.selectedElement = 0;
  marks.placeName = "Hafen";
  marks.selectedRoute = 0;
  marks.elementCross = {71000, 71000};
  marks.personCross = {80000, 60000};
  marks.waypointCross = {90000, 30000};
  Rendered map = Render(document, MapView{}, marks);
  // Ring at (100, 100): white circle of radius 10, blue square from (95, 95) to (104, 104).
  EXPECT_EQ(map.At(110, 100), qRgb(255, 255, 255));
  EXPECT_EQ(map.At(107, 107), qRgb(255, 255, 255));
  EXPECT_EQ(map.At(105, 105), kBlack);
  EXPECT_EQ(map.At(95, 97), qRgb(0, 128, 255));
  EXPECT_EQ(map.At(104, 104), qRgb(0, 128, 255));
  EXPECT_EQ(map.At(105, 97), kBlack);
  // Route from (100, 400) to (200, 400): circles of radius 2 at both ends, the leg between.
  EXPECT_EQ(map.At(102, 400), qRgb(255, 255, 155));
  EXPECT_EQ(map.At(198, 400), qRgb(255, 255, 155));
  EXPECT_EQ(map.At(150, 400), qRgb(200, 200, 100));
  // Crosses: 20 px lines through the point, from 10 before it.
  EXPECT_EQ(map.At(355, 345), qRgb(128, 128, 128));
  EXPECT_EQ(map.At(364, 355), qRgb(128, 128, 128));
  EXPECT_EQ(map.At(365, 355), kBlack);
  EXPECT_EQ(map.At(400, 309), qRgb(0, 128, 255));
  EXPECT_EQ(map.At(450, 141), qRgb(255, 128, 0));

  // The unnamed ring never gets the place square, even with no place chosen.
  marks.placeName.clear();
  marks.selectedRoute = 1;  // no used waypoints: both circles at the world origin
  marks.selectedElement = -1;
  map = Render(document, MapView{}, marks);
  EXPECT_EQ(map.At(295, 97), kBlack);
  EXPECT_EQ(map.At(107, 107), kBlack);
  EXPECT_EQ(map.At(2, 0), qRgb(255, 255, 155));
}

}  // namespace
