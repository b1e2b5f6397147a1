#include "game/hud/map_guides.h"

#include <algorithm>
#include <string>
#include <vector>

#include "formats/angles.h"
#include "formats/kind_defs.h"
#include "formats/latin1.h"
#include "formats/rounding.h"
#include "formats/text_rules.h"
#include "formats/universe_file.h"
#include "game/stations/people_screens.h"
#include "game/ui/bitmap_text.h"
#include "game/world/missions.h"

namespace {

constexpr int kMapSize = 500;
constexpr int kUnitsPerPixel = 200;
// GridReference's bands are centred on multiples of 10000 units: 50 pixels wide, their edges at
// 25, 75 ... 475; the first and the last band are half bands at the map's edges.
constexpr int kBandPixels = 10000 / kUnitsPerPixel;
constexpr int kBands = 11;
constexpr int kGridColour = MakeColour(34, 52, 84);
constexpr int kMissionColour = MakeColour(255, 210, 40);
constexpr int kLayerOffset = 5;  // the layer stands at (5, 5) in the panel picture

int Scaled(double units) {
  return RoundToInt(units / kUnitsPerPixel);
}

// The pixels band b covers on the map: from its lower edge to its upper one, within the map.
int BandStart(int band) {
  return std::clamp(band * kBandPixels - kBandPixels / 2, 0, kMapSize);
}
int BandEnd(int band) {
  return std::clamp(band * kBandPixels + kBandPixels / 2, 0, kMapSize);
}

// A lane between systems in this system's coordinates: where it starts and ends, and the two
// systems it joins.
struct LeavingLane {
  double startX = 0;
  double startY = 0;
  double endX = 0;
  double endY = 0;
  int colour = 0;
  std::string colourWord;
  LaneEnds ends;
};

bool InsideSystem(double x, double y) {
  return x >= 0 && x <= kSystemSide && y >= 0 && y <= kSystemSide;
}

std::vector<LeavingLane> LanesTouchingSystem(const HudContext& hud) {
  const World& world = hud.flight.world;
  std::vector<LeavingLane> lanes;
  const UniverseFile universe = LoadUniverse(DataPath(hud.flight.gameFolder, "INI\\Universum.ini"));
  for (const UniverseRecord& record : universe.records) {
    if (record.kind != UniverseRecordKind::kLane || record.lane.colour < 2) continue;
    const LaneRecord& lane = record.lane;
    LeavingLane l;
    l.startX = lane.x - world.visit.currentSystemX;
    l.startY = lane.y - world.visit.currentSystemY;
    const double length = double(lane.length) * LaneSegmentLength(lane.colour);
    l.endX = l.startX + CosDeg(lane.angle) * length;
    l.endY = l.startY + SinDeg(lane.angle) * length;
    if (!InsideSystem(l.startX, l.startY) && !InsideSystem(l.endX, l.endY)) continue;
    l.colour = lane.colour;
    l.colourWord = lane.colourWord;
    l.ends = SplitLaneName(lane.name);
    lanes.push_back(l);
  }
  return lanes;
}

// A label on the map, kept inside it: right of the point, or left where it would pass the edge.
void DrawMapLabel(Media& media, const std::string& text, int x, int y, int colourSet) {
  const int width = BitmapTextWidth(text, 3);
  const int left = std::clamp(x + 4, 0, kMapSize - width);
  const int top = std::clamp(y - 9, 0, kMapSize - 16);
  DrawText(media, text, left + kLayerOffset, top + kLayerOffset, 3, kAlignLeft, colourSet);
}

}  // namespace

void DrawMapGrid(Media& media) {
  for (int band = 1; band < kBands; ++band) {
    const int edge = BandStart(band);
    DrawLine(media, edge, 0, edge, kMapSize - 1, kGridColour);
    DrawLine(media, 0, edge, kMapSize - 1, edge, kGridColour);
  }
}

void DrawMapGridLabels(Media& media) {
  for (int band = 0; band < kBands; ++band) {
    const int middle = (BandStart(band) + BandEnd(band)) / 2 + kLayerOffset;
    DrawText(media, std::string(1, GridColumnLetter(band)), middle, kLayerOffset - 2, 3,
             kAlignCentre, kNeutralText);
    DrawText(media, std::to_string(band + 1), kLayerOffset + 2, middle - 9, 3, kAlignLeft,
             kNeutralText);
  }
}

void DrawMissionSquare(Media& media, const World& world) {
  if (!MissionRunning(world)) return;
  const std::string& orders = world.ships.Front()->orders;
  const int x = ReadInt(Columns(orders, 1, 10)) - world.visit.currentSystemX;
  const int y = ReadInt(Columns(orders, 11, 20)) - world.visit.currentSystemY;
  if (!InsideSystem(x, y)) return;
  const GridSquare square = GridSquareOf(x, y);
  const int left = BandStart(square.column);
  const int right = BandEnd(square.column) - 1;
  const int top = BandStart(square.row);
  const int bottom = BandEnd(square.row) - 1;
  for (int inset = 0; inset < 2; ++inset) {
    DrawLine(media, left + inset, top + inset, right - inset, top + inset, kMissionColour);
    DrawLine(media, left + inset, bottom - inset, right - inset, bottom - inset, kMissionColour);
    DrawLine(media, left + inset, top + inset, left + inset, bottom - inset, kMissionColour);
    DrawLine(media, right - inset, top + inset, right - inset, bottom - inset, kMissionColour);
  }
}

void DrawLeavingLanes(HudContext& hud) {
  const KindDefs& defs = hud.flight.catalogues.elementDefs;
  for (const LeavingLane& lane : LanesTouchingSystem(hud)) {
    int colour = ElementColour(defs, "Routen", lane.colourWord);
    if (colour == 0) colour = lane.colour == 2 ? MakeColour(0, 200, 0) : MakeColour(220, 0, 0);
    DrawLine(hud.flight.media, Scaled(lane.startX), Scaled(lane.startY), Scaled(lane.endX),
             Scaled(lane.endY), colour);
  }
}

void DrawLeavingLaneLabels(HudContext& hud) {
  Media& media = hud.flight.media;
  // A lane's outward way starts at its start and leads to its second system; the way back starts
  // at its end.
  for (const LeavingLane& lane : LanesTouchingSystem(hud)) {
    if (InsideSystem(lane.startX, lane.startY)) {
      DrawMapLabel(media, "-> " + lane.ends.second, Scaled(lane.startX), Scaled(lane.startY),
                   kNormalText);
    }
    if (InsideSystem(lane.endX, lane.endY)) {
      DrawMapLabel(media, "-> " + lane.ends.first, Scaled(lane.endX), Scaled(lane.endY),
                   kNormalText);
    }
  }
}
