#pragma once

#include "game/ui/menu_state.h"

// "Steuerung": the keys and mouse actions of flight on the left, the gamepad's on the right, and
// "Zurück" to the settings.
void BuildControlsScreen(MenuState& menu);
