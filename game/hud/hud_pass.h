#pragma once

#include "game/hud/hud_context.h"

// The overlay of the flight screen: the six buttons and their panels, the status bars, the
// tooltip, the help pages and the mouse cursor.
void RunHud(HudContext& hud);
