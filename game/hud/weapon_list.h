#pragma once

#include "game/hud/hud_context.h"

// "Informationslisten": the list of the local ship's mounted weapons in the lower left corner.
// Its picture is rendered when the list is switched on and whenever the ship's weapons or type
// change while it is shown.
void RunWeaponList(HudContext& hud);

// Renders the weapon list's picture: the background, "Waffen", and the name of the weapon in each
// slot of the ship's type ("-LEER-" for an empty one).
void RenderWeaponList(HudContext& hud);
