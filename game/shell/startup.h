#pragma once

#include "game/shell/fatal_error.h"

struct Game;

// The start-up sequence: platform, key table, lists, settings, fonts, the screen, every picture
// and sound of the numbering plan with the loading screen, the world data, and the loop set-up.
// False with the failure to report when the game cannot start.
bool RunStartup(Game& game, bool headless, StartupFailure& failure);
