#pragma once

#include "game/hud/hud_context.h"

// The atmospheres and coronas of planets and suns, drawn additively over the particles.
void DrawAtmospheres(HudContext& hud);
