#include "game/hud/shared_panel.h"

#include "formats/media_numbers.h"
#include "game/hud/hud_controls.h"

int& PanelSwitch(HudState& hud, PanelContent panel) {
  switch (panel) {
    case PanelContent::kLocation:
      return hud.locationInfoShown;
    case PanelContent::kReputation:
      return hud.reputationShown;
    default:
      return hud.systemMapShown;
  }
}

void OpenSharedPanel(HudState& hud, PanelContent panel) {
  for (const PanelContent other :
       {PanelContent::kLocation, PanelContent::kReputation, PanelContent::kSystemMap}) {
    if (other != panel) PanelSwitch(hud, other) = -1;
  }
  hud.panelContent = PanelContent::kNone;
}

void RenderPanelIfChanged(HudContext& hud, PanelContent panel, std::uint64_t key,
                          void (*render)(HudContext&)) {
  HudState& state = hud.hud;
  if (state.panelContent == panel && state.panelKey == key) return;
  render(hud);
  state.panelContent = panel;
  state.panelKey = key;
  state.pictureRenders += 1;
}

bool DrawSharedPanel(HudContext& hud, PanelContent panel, std::uint64_t key,
                     void (*render)(HudContext&)) {
  if (PanelCloseButton(hud)) {
    PanelSwitch(hud.hud, panel) = -1;
    return false;
  }
  RenderPanelIfChanged(hud, panel, key, render);
  DrawKeyed(hud.flight.media, kPicturePanel, kPanelX, kPanelY);
  return true;
}
