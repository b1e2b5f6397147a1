#include "game/flight/ship_drawing.h"

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "formats/text_rules.h"
#include "game/flight/markers.h"
#include "game/flight/sprites.h"
#include "game/flight/weapons.h"
#include "game/world/geometry.h"

namespace {

constexpr float kShipRange = 8000;
constexpr int kMissionMarker = 514;
constexpr int kMissionBracket = 524;

void DrawBar(Media& media, int sprite, float x, float y, float w, float h) {
  if (w <= 0 || h <= 0) return;
  SetQuadSize(media, sprite, w, h);
  RotateQuad(media, sprite, 0);
  DrawQuad(media, sprite, x, y, 255);
}

float Share(float value, int maximum) {
  if (maximum <= 0) return 0;
  return std::clamp(value / maximum, 0.0f, 1.0f);
}

// Hull and shield under and over the ship, the energy upright beside it.
void DrawStatusBars(Media& media, const ShipRecord& ship, float sx, float sy) {
  const float hull = 56 * Share(ship.hull, ship.maxHull);
  DrawBar(media, 602, sx - 28, sy + 42, hull, 8);
  DrawBar(media, 601, sx - 28 + hull, sy + 42, 56 - hull, 8);
  const float shield = 56 * Share(ship.shield, ship.maxShield);
  DrawBar(media, 702, sx - 28, sy - 50, shield, 8);
  DrawBar(media, 701, sx - 28 + shield, sy - 50, 56 - shield, 8);
  const float energy = 32 * Share(ship.energy, ship.maxEnergy);
  DrawBar(media, 802, sx + 58, sy + 16 - energy, 8, energy);
  DrawBar(media, 801, sx + 58, sy - 16, 8, 32 - energy);
}

// Each mark is drawn, then fades by 10; a mark below 1 is gone.
void RunShieldImpacts(FlightContext& flight, ShipRecord& ship, const ViewPoint& view, bool draw) {
  std::string kept;
  const float side = 3 * ship.radius;
  for (size_t i = 0; i + 1 < ship.impacts.size(); i += 2) {
    const int code = static_cast<unsigned char>(ship.impacts[i]);
    const int alpha = static_cast<unsigned char>(ship.impacts[i + 1]);
    if (draw) {
      DrawSprite(flight.media, ship.impactSprite + 1500, side,
                 2.0f * code - flight.world.playerHeading + 270,
                 view.viewOffsetX - 1.5f * ship.radius + kShipScreenX,
                 view.viewOffsetY - 1.5f * ship.radius + kShipScreenY, alpha);
    }
    if (alpha - 10 >= 1) {
      kept += ship.impacts[i];
      kept += static_cast<char>(alpha - 10);
    }
  }
  ship.impacts = std::move(kept);
}

void DrawLeadMarker(FlightContext& flight, const ShipRecord& ship, const ViewPoint& view,
                    int code) {
  if (code != 5 && code != 1) return;
  const float lead = LeadDistance(flight, ship, view.viewDistance);
  ViewPoint ahead;
  if (!ViewTransform(flight.world, ship.x + lead * float(CosDeg(ship.heading)),
                     ship.y + lead * float(SinDeg(ship.heading)), 2 * kShipRange, ahead)) {
    return;
  }
  DrawSprite(flight.media, 530 + code, 32, 0, ahead.viewOffsetX + kShipScreenX - 16,
             ahead.viewOffsetY + kShipScreenY - 16, 255);
}

// Brackets, bars and the lead marker on the screen, the edge marker off it; a click selects.
void MarkShip(FlightContext& flight, const ShipRecord& ship, const ViewPoint& view) {
  World& world = flight.world;
  const int code = MarkingCode(world, ship.id, ship.group);
  const float sx = kShipScreenX + view.viewOffsetX;
  const float sy = kShipScreenY + view.viewOffsetY;
  if (OnScreen(view)) {
    if (flight.drawing) {
      DrawStatusBars(flight.media, ship, sx, sy);
      DrawBracket(flight, view, code, ship.group);
      DrawLeadMarker(flight, ship, view, code);
    }
    if (ClickedNear(flight, sx, sy, 60)) world.flight.selectedObject = ship.id;
    return;
  }
  EdgePlace place;
  if (!FindEdgePlace(view, place)) return;
  std::optional<LabelBox> label;
  if (flight.drawing) {
    label = DrawEdgeMarker(flight, 500 + code, place,
                           static_cast<int>(255 - view.viewDistance / 50),
                           ThousandsLabel(view.viewDistance), code * 10);
  }
  if (ClickedNear(flight, place.x + 32, place.y + 32, 30) || ClickedOnLabel(flight, label)) {
    world.flight.selectedObject = ship.id;
  }
}

}  // namespace

float LeadDistance(const FlightContext& flight, const ShipRecord& ship, float screenDistance) {
  const ShipRecord* local = flight.world.ships.Front();
  if (!local || WeaponFieldCount(local->weapons) == 0 || WeaponFieldBlank(local->weapons, 0)) {
    return 0;
  }
  const WeaponType* w = ShotWeapon(flight.catalogues, WeaponFieldIndex(local->weapons, 0));
  if (!w || w->speed <= 0) return 0;
  return screenDistance / w->speed * ship.speed * 0.2f;
}

void DrawShip(FlightContext& flight, ShipRecord& ship) {
  const World& world = flight.world;
  if (!InBox(ship.x, ship.y, world.cameraX, world.cameraY, kShipRange)) return;
  ViewPoint view;
  if (!ViewTransform(world, ship.x, ship.y, kShipRange, view)) return;
  const bool near = view.viewDistance < ship.radius + 800;
  if (near && flight.drawing) {
    DrawSprite(flight.media, ship.type, 2 * ship.radius,
               SpriteRotation(ship.heading, world.playerHeading),
               view.viewOffsetX - ship.radius + kShipScreenX,
               view.viewOffsetY - ship.radius + kShipScreenY, 255);
  }
  if (!ship.impacts.empty()) RunShieldImpacts(flight, ship, view, near && flight.drawing);
  if (&ship != world.ships.Front()) MarkShip(flight, ship, view);
}

void MarkMissionTarget(FlightContext& flight, const ShipRecord& ship) {
  if (ship.orders.empty() || !flight.drawing) return;
  const float x = static_cast<float>(ReadInt(Columns(ship.orders, 1, 10)));
  const float y = static_cast<float>(ReadInt(Columns(ship.orders, 11, 20)));
  ViewPoint view;
  // However far the target is, its marker shows the way.
  if (!ViewTransform(flight.world, x, y, 1e9f, view)) return;
  if (OnScreen(view)) {
    DrawSprite(flight.media, kMissionBracket, 128, 0, view.viewOffsetX + 448,
               view.viewOffsetY + 548, 255);
    return;
  }
  EdgePlace place;
  if (!FindEdgePlace(view, place)) return;
  DrawEdgeMarker(flight, kMissionMarker, place, 255, ThousandsLabel(view.viewDistance), 20);
}
