#include "game/hud/hud_pass.h"

#include "formats/media_numbers.h"
#include "game/flight/docking.h"
#include "game/hud/compass.h"
#include "game/hud/help_pages.h"
#include "game/hud/hud_controls.h"
#include "game/hud/location_panel.h"
#include "game/hud/reputation_panel.h"
#include "game/hud/status_panel.h"
#include "game/hud/system_map.h"
#include "game/hud/weapon_list.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/buttons.h"

namespace {

// The menus and the station run frames of their own and draw into the pictures they share with
// the HUD (the help picture is also the dealers' data sheet); after such frames every picture
// is rendered afresh.
void NoteOtherLoops(HudContext& hud) {
  HudState& state = hud.hud;
  const int menuFrames = hud.flight.frame.menuFrames;
  if (!state.hudRan || menuFrames != state.menuFramesSeen) {
    state.panelContent = PanelContent::kNone;
    state.weaponListKey = 0;
    state.helpPageRendered = 0;
    hud.flight.ui.lastTooltipText.clear();
  }
  state.hudRan = true;
  state.menuFramesSeen = menuFrames;
}

// "Andocken": the same docking request as Left Ctrl; highlighted while a dock target is set.
void RunDockingButton(HudContext& hud) {
  FlightContext& flight = hud.flight;
  if (IconButton(flight.media, flight.ui, flight.frame.frameCounter, kPictureButtonDocking, 850,
                 730, "Andocken")) {
    RequestDocking(flight.world, flight.media, flight.gameFolder);
  }
  const ShipRecord* ship = LocalShip(hud);
  if (ship && ship->dockTarget >= 0) DrawQuad(flight.media, kPictureButtonHighlight, 850, 730, 255);
}

// The tooltip picture is rendered again only when its text changes; of the full-screen picture
// only the box is drawn.
void DrawTooltip(HudContext& hud) {
  FlightContext& flight = hud.flight;
  UiState& ui = flight.ui;
  if (ui.tooltipText.empty()) return;
  if (ui.tooltipText != ui.lastTooltipText) {
    hud.hud.tooltipArea = DrawTextBox(flight.media, ui, MouseX(flight.media), MouseY(flight.media),
                                      kPictureOverlay, ui.tooltipText);
  }
  DrawTextBoxPicture(flight.media, kPictureOverlay, hud.hud.tooltipArea, 0, 0);
}

void DrawMouseCursor(HudContext& hud) {
  Media& media = hud.flight.media;
  DrawKeyed(media, kPictureCursor, MouseX(media) - 12, MouseY(media) - 12);
}

}  // namespace

void RunHud(HudContext& hud) {
  NoteOtherLoops(hud);
  hud.flight.ui.tooltipText.clear();
  RunWeaponList(hud);
  DrawWarnings(hud);
  RunDockingButton(hud);
  RunLocationPanel(hud);
  RunReputationPanel(hud);
  RunSystemMap(hud);
  RunCompass(hud);
  DrawStatusPanel(hud);
  DrawTooltip(hud);
  RunHelpPages(hud);
  DrawMouseCursor(hud);
}
