#pragma once

#include "game/hud/hud_context.h"

// The ticker: the newest messages above the chat line, each shown until its life runs out.
void DrawTicker(HudContext& hud);
