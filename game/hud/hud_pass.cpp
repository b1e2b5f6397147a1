#include "game/hud/hud_pass.h"

void RunHud(HudContext& /*hud*/) {}
