#pragma once

#include "game/hud/hud_context.h"

// The developer information block (F9).
void DrawDeveloperInfo(HudContext& hud);
