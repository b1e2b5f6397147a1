#pragma once

// The flight overlay's panel switches (1 shown, -1 hidden) and panel positions.
struct HudState {
  int weaponListShown = 1;
  int locationInfoShown = -1;
  int reputationShown = -1;
  int systemMapShown = -1;
  int compassShown = 1;
  int locationScroll = 0;
  int selectedPlace = 1;
  int locationTab = 3;
  int itemScroll = 0;
  int groupListScroll = 0;
  int selectedGroup = 1;
  int helpPage = 0;
};

// The switches' start values, set before the first frame.
inline void ResetHudPanels(HudState& hud) {
  hud = HudState{};
}
