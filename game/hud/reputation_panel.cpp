#include "game/hud/reputation_panel.h"

#include <algorithm>

#include "formats/media_numbers.h"
#include "game/hud/hud_controls.h"
#include "game/hud/shared_panel.h"
#include "game/stations/group_panel.h"
#include "game/ui/bitmap_text.h"

namespace {

constexpr int kButtonX = 750;
constexpr int kButtonY = 730;
constexpr int kGroupRows = 8;

void RunGroupScroll(HudContext& hud) {
  HudState& state = hud.hud;
  if (ScrollArrow(hud, 210)) state.groupListScroll = std::max(0, state.groupListScroll - 1);
  const int limit = hud.flight.world.groups.groupCount - kGroupRows;
  if (ScrollArrow(hud, 350) && state.groupListScroll < limit) state.groupListScroll += 1;
}

// A row past the last group selects nothing.
void RunGroupRows(HudContext& hud) {
  HudState& state = hud.hud;
  const GroupCatalogue& groups = hud.flight.world.groups;
  for (int i = 0; i < kGroupRows; ++i) {
    const int y = 210 + 20 * i;
    if (!MouseInZone(hud, 481, 699, y, y + 20)) continue;
    const int group = state.groupListScroll + i + 1;
    if (group > groups.groupCount) continue;
    if (LeftClicked(hud)) state.selectedGroup = group;
    if (RowBlinkOn(hud)) {
      DrawText(hud.flight.media, groups.groupNames[group], 480, y, 5, kAlignLeft, kActiveText);
    }
  }
}

}  // namespace

std::uint64_t ReputationPanelKey(const HudContext& hud) {
  const GroupCatalogue& groups = hud.flight.world.groups;
  PictureKey key;
  key.Add(hud.hud.groupListScroll);
  key.Add(hud.hud.selectedGroup);
  key.Add(groups.groupCount);
  for (int g = 1; g <= groups.groupCount; ++g) key.Add(GroupRelation(groups, 0, g));
  return key.value;
}

// The panel's picture is the stations' group panel, the same one the station screen shows.
void RenderReputationPanel(HudContext& hud) {
  DrawGroupPanel(hud.flight.media, hud.flight.world, hud.flight.catalogues.groupTexts,
                 hud.hud.groupListScroll, hud.hud.selectedGroup);
}

void RunReputationPanel(HudContext& hud) {
  HudState& state = hud.hud;
  if (PanelButton(hud, kPictureButtonReputation, kButtonX, kButtonY, "Gruppenreputation",
                  state.reputationShown)) {
    state.groupListScroll = 0;
    state.selectedGroup = 1;
    if (state.reputationShown > 0) OpenSharedPanel(state, PanelContent::kReputation);
  }
  if (state.reputationShown < 0) return;
  if (!DrawSharedPanel(hud, PanelContent::kReputation, ReputationPanelKey(hud),
                       RenderReputationPanel)) {
    return;
  }
  RunGroupScroll(hud);
  RunGroupRows(hud);
  RenderPanelIfChanged(hud, PanelContent::kReputation, ReputationPanelKey(hud),
                       RenderReputationPanel);
}
