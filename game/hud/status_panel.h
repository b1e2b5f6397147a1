#pragma once

#include "game/hud/hud_context.h"

// The filled part of a status bar `full` pixels long: value / maximum of it, rounded, and kept
// within 0..full. A maximum of 0 or below gives an empty bar.
int BarFill(float value, float maximum, int full);

// The radiation and heat warnings at the left edge: pulsing while this frame's flag is set,
// faint otherwise.
void DrawWarnings(HudContext& hud);

// The status panel at the bottom: hull and shield bars, the vertical energy bar, the speed, and
// above it the money and the hold.
void DrawStatusPanel(HudContext& hud);
