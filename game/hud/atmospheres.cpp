#include "game/hud/atmospheres.h"

void DrawAtmospheres(HudContext& /*hud*/) {}
