#pragma once

#include "game/flight/flight_context.h"
#include "game/hud/hud_state.h"
#include "game/ui/ui_state.h"

// Where the HUD stands on the screen. Its places are fixed, so flight, which runs before the HUD
// in the frame, can know them: a press there is the HUD's, and markers' labels keep out.

// The boxes of the HUD as the switches show it now.
HudZones HudZonesOf(const HudState& hud);

// Notes, on the first frame of a left press, whether it began on a HUD control; the press stays
// the HUD's until it is released.
void NoteLeftPressOwner(UiState& ui, const HudZones& zones, int mouseX, int mouseY);
