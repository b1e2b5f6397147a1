#include "game/hud/ticker.h"

void DrawTicker(HudContext& /*hud*/) {}
