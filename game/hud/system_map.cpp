#include "game/hud/system_map.h"

#include <string_view>
#include <vector>

#include "formats/angles.h"
#include "formats/kind_defs.h"
#include "formats/latin1.h"
#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"
#include "game/hud/hud_controls.h"
#include "game/hud/map_guides.h"
#include "game/hud/shared_panel.h"
#include "game/ui/bitmap_text.h"
#include "game/world/attitudes.h"

namespace {

constexpr int kButtonX = 700;
constexpr int kButtonY = 730;
constexpr int kUnitsPerPixel = 200;
constexpr double kMapScale = 1.0 / kUnitsPerPixel;
constexpr int kMapSize = 500;
constexpr int kRingColour = MakeColour(255, 0, 255);
constexpr int kLabelHeight = 14;

int Scaled(double units) {
  return RoundToInt(units * kMapScale);
}

bool KnownPlace(const World& world, std::string_view name) {
  for (const PlaceRecord& place : world.places) {
    if (place.known != 0 && place.name == name) return true;
  }
  return false;
}

// A ring's label runs right of it, or left of it where it would pass the map's right edge.
int LabelLeft(const ElementRecord& ring) {
  const int x = Scaled(ring.x);
  const int width = BitmapTextWidth(ring.name, 3);
  return x + width > kMapSize ? x - width : x;
}

void DrawRing(Media& media, const World& world, const ElementRecord& ring) {
  if (!KnownPlace(world, ring.name)) return;
  const int x = Scaled(ring.x);
  const int y = Scaled(ring.y);
  const int left = LabelLeft(ring);
  const int width = BitmapTextWidth(ring.name, 3);
  // The label's ground is cleared of what lies beneath, then underlined up to the ring.
  FillBox(media, left, y - kLabelHeight, width, kLabelHeight, 0);
  DrawLine(media, left, y, left + width, y, kRingColour);
  FillCircle(media, x, y, 2, kRingColour);
}

void DrawElement(Media& media, const HudContext& hud, const ElementRecord& e) {
  const int colour =
      ElementColour(hud.flight.catalogues.elementDefs, e.elementGroup, e.elementType);
  const std::string_view group = e.elementGroup;
  const int x = Scaled(e.x);
  const int y = Scaled(e.y);
  if (group == "Umgebungen" || group == "Felder" || group == "Sonnen" || group == "Planeten") {
    FillCircle(media, x, y, Scaled(e.radius), colour);
  } else if (group == "Routen") {
    // As long as the lane the game lays from it.
    const int segment = LaneSegmentLength(LaneColourCode(e.elementType));
    const double length = double(e.length) * segment * kMapScale;
    DrawLine(media, x, y, x + RoundToInt(CosDeg(e.direction) * length),
             y + RoundToInt(SinDeg(e.direction) * length), colour);
  } else if (group == "Stationen") {
    const int half = Scaled(e.radius);
    FillBox(media, x - half, y - half, 2 * half, 2 * half, colour);
  }
}

void DrawRingLabels(Media& media, const World& world, const std::vector<ElementRecord>& elements) {
  for (const ElementRecord& e : elements) {
    if (e.elementGroup != "Andockringe" || !KnownPlace(world, e.name)) continue;
    const float attitude = GroupRelation(world.groups, 0, GroupIndex(world.groups, e.groupName));
    DrawText(media, e.name, LabelLeft(e) + 4, Scaled(e.y) - 9, 3, kAlignLeft,
             AttitudeColourSet(attitude));
  }
}

}  // namespace

std::uint64_t SystemMapKey(const HudContext& hud) {
  const World& world = hud.flight.world;
  PictureKey key;
  key.Add(world.visit.currentSystemFolder);
  // A mission's square is marked while it runs.
  if (const ShipRecord* ship = world.ships.Front()) key.Add(ship->orders);
  for (const PlaceRecord& place : world.places) key.Add(place.known != 0 ? 1 : 0);
  for (int g = 0; g <= world.groups.groupCount; ++g) key.Add(GroupRelation(world.groups, 0, g));
  return key.value;
}

void RenderSystemMap(HudContext& hud) {
  Media& media = hud.flight.media;
  const World& world = hud.flight.world;
  const std::vector<ElementRecord> elements = LoadSystemElements(
      DataPath(hud.flight.gameFolder, "INI\\" + world.visit.currentSystemFolder + "\\System.ini"));

  DrawInto(media, kPictureSystemMapLayer);
  FillBox(media, 0, 0, kMapSize, kMapSize, 0);
  DrawMapGrid(media);
  for (const ElementRecord& e : elements) DrawElement(media, hud, e);
  DrawLeavingLanes(hud);
  DrawMissionSquare(media, world);
  // The known rings and their labels' grounds over the bodies, so that no body hides them.
  for (const ElementRecord& e : elements) {
    if (e.elementGroup == "Andockringe") DrawRing(media, world, e);
  }

  // The layer's black is its key colour: the panel's ground shows between the map's bodies.
  DrawInto(media, kPicturePanel);
  FillBox(media, 0, 0, PictureWidth(media, kPicturePanel), PictureHeight(media, kPicturePanel), 0);
  DrawOpaque(media, kPictureMapFrame, 0, 0);
  DrawKeyed(media, kPictureSystemMapLayer, 5, 5);
  DrawMapGridLabels(media);
  DrawLeavingLaneLabels(hud);
  DrawRingLabels(media, world, elements);
  EndDraw(media);
}

void RunSystemMap(HudContext& hud) {
  HudState& state = hud.hud;
  if (PanelButton(hud, kPictureButtonSystemMap, kButtonX, kButtonY, "Systemkarte",
                  state.systemMapShown) &&
      state.systemMapShown > 0) {
    OpenSharedPanel(state, PanelContent::kSystemMap);
  }
  if (state.systemMapShown < 0) return;
  if (!DrawSharedPanel(hud, PanelContent::kSystemMap, SystemMapKey(hud), RenderSystemMap)) return;

  const World& world = hud.flight.world;
  const int x = RoundToInt(world.cameraX / double(kUnitsPerPixel)) -
                world.visit.currentSystemX / kUnitsPerPixel + 240;
  const int y = RoundToInt(world.cameraY / double(kUnitsPerPixel)) -
                world.visit.currentSystemY / kUnitsPerPixel + 140;
  const int alpha = RoundToInt(150 + SinDeg(2.0 * hud.flight.frame.frameCounter) * 100);
  Media& media = hud.flight.media;
  SetQuadSize(media, kPictureShipSymbol, 20, 20);
  RotateQuad(media, kPictureShipSymbol, world.playerHeading);
  DrawQuad(media, kPictureShipSymbol, static_cast<float>(x), static_cast<float>(y), alpha);
}
