// The place information's button and controls: the place list's scroll arrows and rows, the tabs,
// and the item list's scroll arrows. Screen positions are the panel's picture positions moved by
// the panel's place (245, 145).

#include <algorithm>

#include "formats/media_numbers.h"
#include "game/hud/hud_controls.h"
#include "game/hud/location_panel.h"
#include "game/hud/shared_panel.h"
#include "game/ui/bitmap_text.h"

namespace {

constexpr int kButtonX = 800;
constexpr int kButtonY = 730;
const char* const kTabWords[] = {"Schiffe", "Waffen", "Waren"};

void RunPlaceScroll(HudContext& hud) {
  HudState& state = hud.hud;
  if (ScrollArrow(hud, 210)) {
    state.locationScroll = std::max(0, state.locationScroll - 1);
    state.itemScroll = 0;
  }
  // The limit counts every place, known or not.
  const int limit = hud.flight.world.places.Count() - kLocationRows;
  if (ScrollArrow(hud, 350) && state.locationScroll < limit) state.locationScroll += 1;
}

void RunTabs(HudContext& hud) {
  HudState& state = hud.hud;
  for (int tab = 1; tab <= 3; ++tab) {
    const int y = 420 + 20 * tab;
    if (!MouseInZone(hud, 265, 365, y, y + 20)) continue;
    if (HighlightOn(hud)) {
      DrawText(hud.flight.media, kTabWords[tab - 1], 265, y, 5, kAlignLeft, kActiveText);
    }
    if (LeftPressed(hud)) {
      state.locationTab = tab;
      state.itemScroll = 0;
    }
  }
}

// Rows count known places only; a row below the last known place selects nothing.
void RunPlaceRows(HudContext& hud) {
  HudState& state = hud.hud;
  const std::vector<const PlaceRecord*> known = KnownPlaces(hud.flight.world);
  for (int i = 0; i < kLocationRows; ++i) {
    const int y = 210 + 20 * i;
    if (!MouseInZone(hud, 261, 699, y, y + 20)) continue;
    const int number = state.locationScroll + i + 1;
    if (number > static_cast<int>(known.size())) continue;
    if (LeftClicked(hud)) state.selectedPlace = number;
    if (RowBlinkOn(hud)) {
      const PlaceRecord& place = *known[number - 1];
      DrawText(hud.flight.media, place.name, 260, y, 5, kAlignLeft, kNormalText);
      DrawText(hud.flight.media, place.systemFolder, 560, y, 5, kAlignLeft, kNormalText);
    }
  }
}

void RunItemScroll(HudContext& hud) {
  HudState& state = hud.hud;
  if (ScrollArrow(hud, 450)) state.itemScroll = std::max(0, state.itemScroll - 1);
  if (ScrollArrow(hud, 600) && state.itemScroll < ItemCount(hud) - kItemRows) {
    state.itemScroll += 1;
  }
}

}  // namespace

void RunLocationPanel(HudContext& hud) {
  HudState& state = hud.hud;
  if (PanelButton(hud, kPictureButtonLocation, kButtonX, kButtonY, "Ortsinformation",
                  state.locationInfoShown)) {
    state.locationScroll = 0;
    state.itemScroll = 0;
    state.selectedPlace = 1;
    state.locationTab = 3;
    if (state.locationInfoShown > 0) OpenSharedPanel(state, PanelContent::kLocation);
  }
  if (state.locationInfoShown < 0) return;
  if (!DrawSharedPanel(hud, PanelContent::kLocation, LocationPanelKey(hud), RenderLocationPanel)) {
    return;
  }
  RunPlaceScroll(hud);
  RunTabs(hud);
  RunPlaceRows(hud);
  RunItemScroll(hud);
  // Whatever the controls changed is rendered once, at their end.
  RenderPanelIfChanged(hud, PanelContent::kLocation, LocationPanelKey(hud), RenderLocationPanel);
}
