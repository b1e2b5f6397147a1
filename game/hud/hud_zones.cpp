#include "game/hud/hud_zones.h"

#include <algorithm>

namespace {

constexpr int kButtonSide = 32;
// The icon buttons' top-left corners (weapon list, docking, location, reputation, map, compass).
constexpr int kButtons[][2] = {{300, 730}, {850, 730}, {800, 730},
                               {750, 730}, {700, 730}, {992, 120}};
constexpr LabelBox kSharedPanel{245, 145, 755, 655};
constexpr LabelBox kCloseButton{750, 150, 750 + kButtonSide, 150 + kButtonSide};
// The status panel with the money line above it, the warnings, the weapon list, the compass strip
// and its needle.
constexpr LabelBox kStatusPanel{359, 700, 665, 768};
constexpr LabelBox kWarnings{25, 64, 89, 192};
constexpr LabelBox kWeaponList{0, 608, 260, 768};
constexpr LabelBox kCompassStrip{0, 0, 1024, 36};
constexpr LabelBox kCompassNeedle{944, 40, 1008, 104};

}  // namespace

HudZones HudZonesOf(const HudState& hud) {
  HudZones zones;
  for (const auto& corner : kButtons) {
    zones.controls.push_back(
        {corner[0], corner[1], corner[0] + kButtonSide, corner[1] + kButtonSide});
  }
  if (hud.locationInfoShown > 0 || hud.reputationShown > 0 || hud.systemMapShown > 0) {
    zones.controls.push_back(kSharedPanel);
    zones.controls.push_back(kCloseButton);
  }
  zones.occupied = zones.controls;
  zones.occupied.push_back(kStatusPanel);
  zones.occupied.push_back(kWarnings);
  if (hud.weaponListShown > 0) zones.occupied.push_back(kWeaponList);
  if (hud.compassShown > 0) {
    zones.occupied.push_back(kCompassStrip);
    zones.occupied.push_back(kCompassNeedle);
  }
  return zones;
}

void NoteLeftPressOwner(UiState& ui, const HudZones& zones, int mouseX, int mouseY) {
  if (ui.leftButtonState == 0) ui.leftPressOnHud = false;
  if (ui.leftButtonState != 1) return;
  ui.leftPressOnHud =
      std::any_of(zones.controls.begin(), zones.controls.end(),
                  [&](const LabelBox& zone) { return BoxHolds(zone, mouseX, mouseY); });
}
