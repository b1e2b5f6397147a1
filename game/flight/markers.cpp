#include "game/flight/markers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "formats/angles.h"
#include "formats/group_catalogue.h"
#include "game/flight/sprites.h"
#include "game/ui/bitmap_text.h"

namespace {

constexpr int kClicked = 4;
constexpr float kMarkerSide = 64;
constexpr int kLabelHeight = 14;
constexpr int kLabelGap = 3;
// Labels on the bottom edge stand clear of the HUD's status panel below them.
constexpr int kBottomLabelY = kScreenHeight - 70;

bool Overlaps(const LabelBox& a, const LabelBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Moves the label past whatever of the HUD it covers: along `step` first, the other way when that
// would leave the screen. Nothing when neither way has room.
std::optional<LabelBox> ClearOfHud(const std::vector<LabelBox>& hud, const LabelBox& box,
                                   int step) {
  const int height = box.bottom - box.top;
  for (const int direction : {step, -step}) {
    LabelBox moved = box;
    for (std::size_t tries = 0; tries <= hud.size(); ++tries) {
      const auto hit = std::find_if(hud.begin(), hud.end(),
                                    [&](const LabelBox& zone) { return Overlaps(moved, zone); });
      if (hit == hud.end()) return moved;
      moved.top = direction > 0 ? hit->bottom : hit->top - height;
      moved.bottom = moved.top + height;
      if (moved.top < 0 || moved.bottom > kScreenHeight) break;
    }
  }
  return std::nullopt;
}

// Moves the label away from the edge (up from the bottom, down elsewhere) until it covers no label
// placed before it this frame: markers that point the same way would print their names over each
// other. At most two rows deep, so that a crowd of markers does not fill the scene with numbers;
// a label with no clear place is left out (its marker still shows). It never lies on the HUD.
std::optional<LabelBox> PlaceClear(const std::vector<LabelBox>& placed,
                                   const std::vector<LabelBox>& hud, LabelBox box, int step) {
  for (int row = 0; row < 3; ++row) {
    const auto free = ClearOfHud(hud, box, step);
    if (!free) return std::nullopt;
    box = *free;
    const bool clear = std::none_of(placed.begin(), placed.end(),
                                    [&](const LabelBox& other) { return Overlaps(box, other); });
    if (clear) return box;
    box.top += step;
    box.bottom += step;
  }
  return std::nullopt;
}

// A click that began on the HUD, or lands on one of its controls, is the HUD's.
bool ClickOnHud(const FlightContext& flight, int x, int y) {
  const auto& controls = flight.hudZones.controls;
  return flight.ui.leftPressOnHud ||
         std::any_of(controls.begin(), controls.end(),
                     [&](const LabelBox& zone) { return BoxHolds(zone, x, y); });
}

}  // namespace

int AttitudeCode(const World& world, int group) {
  const float attitude = GroupRelation(world.groups, 0, group);
  if (attitude <= -0.5f) return 1;
  if (attitude >= 0.5f) return 3;
  return 2;
}

int MarkingCode(const World& world, int id, int group) {
  return id == world.flight.selectedObject ? 5 : AttitudeCode(world, group);
}

bool OnScreen(const ViewPoint& view) {
  const float x = kShipScreenX + view.viewOffsetX;
  const float y = kShipScreenY + view.viewOffsetY;
  return x >= 0 && x <= kScreenWidth && y >= 0 && y <= kScreenHeight;
}

bool FindEdgePlace(const ViewPoint& view, EdgePlace& place) {
  const float a = NormaliseAngle(BearingDeg(view.viewOffsetX, view.viewOffsetY));
  const double t = std::tan(a * kRadiansPerDegree);
  place.angle = a;
  if (a > 163 && a < 230) {
    place.x = -32;
    place.y = static_cast<float>(580 - 512 * t);
  } else if (a > 230 && a < 310) {
    place.x = static_cast<float>(480 - 612 / t);
    place.y = -32;
  } else if (a > 310 || a < 17) {
    place.x = 992;
    place.y = static_cast<float>(580 + 512 * t);
  } else if (a > 17 && a < 163) {
    place.x = static_cast<float>(480 + 156 / t);
    place.y = 736;
  } else {
    return false;
  }
  return true;
}

std::optional<LabelBox> DrawEdgeMarker(FlightContext& flight, int sprite, const EdgePlace& place,
                                       int alpha, const std::string& label, int colourSet) {
  DrawSprite(flight.media, sprite, kMarkerSide, place.angle, place.x, place.y, alpha);
  if (label.empty()) return std::nullopt;
  // The label sits inside the screen, beside the half-hidden marker.
  const float cx = place.x + kMarkerSide / 2;
  const float cy = place.y + kMarkerSide / 2;
  const int half = BitmapTextWidth(label, 3) / 2;
  int x = static_cast<int>(std::clamp(cx, float(half + 4), float(kScreenWidth - half - 4)));
  int y = static_cast<int>(std::clamp(cy - 10, 4.0f, float(kScreenHeight - 24)));
  if (place.x < 0) x = 36 + half;
  if (place.x > kScreenWidth - kMarkerSide) x = kScreenWidth - 36 - half;
  if (place.y < 0) y = 36;
  const bool bottom = place.y > kScreenHeight - kMarkerSide;
  if (bottom) y = kBottomLabelY;
  // A blank's width on either side keeps neighbours apart as words.
  const int left = x - half - kLabelGap;
  const int right = x + half + kLabelGap;
  const auto box =
      PlaceClear(flight.edgeLabels, flight.hudZones.occupied, {left, y, right, y + kLabelHeight},
                 bottom ? -kLabelHeight : kLabelHeight);
  if (!box) return std::nullopt;
  flight.edgeLabels.push_back(*box);
  DrawText(flight.media, label, x, box->top, 3, kAlignCentre, colourSet);
  return box;
}

std::string ThousandsLabel(float distance) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", distance / 1000.0);
  return text;
}

void DrawBracket(FlightContext& flight, const ViewPoint& view, int code, int group) {
  DrawSprite(flight.media, 520 + code, 128, 0, view.viewOffsetX + 448, view.viewOffsetY + 548, 255);
  const auto& names = flight.world.groups.groupNames;
  if (group < 0 || group >= static_cast<int>(names.size())) return;
  DrawText(flight.media, names[group], static_cast<int>(kShipScreenX + view.viewOffsetX),
           static_cast<int>(548 + view.viewOffsetY), 3, kAlignCentre, code * 10);
}

bool ClickedNear(const FlightContext& flight, float x, float y, float within) {
  if (flight.ui.leftButtonState != kClicked) return false;
  if (ClickOnHud(flight, MouseX(flight.media), MouseY(flight.media))) return false;
  const float mx = static_cast<float>(MouseX(flight.media));
  const float my = static_cast<float>(MouseY(flight.media));
  return std::fabs(mx - x) < within && std::fabs(my - y) < within;
}

bool ClickedOnLabel(const FlightContext& flight, const std::optional<LabelBox>& label) {
  if (!label || flight.ui.leftButtonState != kClicked) return false;
  const int x = MouseX(flight.media);
  const int y = MouseY(flight.media);
  return !ClickOnHud(flight, x, y) && BoxHolds(*label, x, y);
}
