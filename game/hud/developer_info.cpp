#include "game/hud/developer_info.h"

void DrawDeveloperInfo(HudContext& /*hud*/) {}
