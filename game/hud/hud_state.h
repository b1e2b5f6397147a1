#pragma once

#include <cstdint>
#include <string>

#include "game/ui/bitmap_text.h"

// Which panel's picture the shared 510 x 510 panel picture holds.
enum class PanelContent { kNone, kLocation, kReputation, kSystemMap };

// The flight overlay's panel switches (1 shown, -1 hidden) and panel positions.
struct HudState {
  int weaponListShown = 1;
  int locationInfoShown = -1;
  int reputationShown = -1;
  int systemMapShown = -1;
  int compassShown = 1;
  int locationScroll = 0;  // known places above the first row shown
  int selectedPlace = 1;   // 1-based among the known places
  int locationTab = 3;     // 1 ships, 2 weapons, 3 goods
  int itemScroll = 0;
  int groupListScroll = 0;
  int selectedGroup = 1;
  int helpPage = 0;        // 0: no help shown
  std::string statusLine;  // the money and hold line last drawn above the status panel

  // What the panel pictures were last rendered from. A picture is rendered again only when what
  // it shows has changed (or another loop may have drawn over the shared pictures), never every
  // frame.
  PanelContent panelContent = PanelContent::kNone;
  std::uint64_t panelKey = 0;
  std::uint64_t weaponListKey = 0;
  int helpPageRendered = 0;  // the help text in the help picture; 0 none
  TextBoxArea helpArea;      // where the box stands in the help picture
  TextBoxArea tooltipArea;   // and in the tooltip picture
  int menuFramesSeen = 0;    // the menu loop's frame count when the HUD last ran
  bool hudRan = false;
  int pictureRenders = 0;  // panel, weapon list and help renders so far (the state dump shows it)
};

// The switches' start values, set before the first frame.
inline void ResetHudPanels(HudState& hud) {
  hud = HudState{};
}
