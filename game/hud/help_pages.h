#pragma once

#include "game/hud/hud_context.h"

// The help pages: F1 shows the next section of the introduction text. Past the last section the
// help closes, and the next F1 starts again at the first page.

// The number of the last briefing text that holds anything; 0 when there is none.
int LastHelpPage(const Catalogues& catalogues);

// F1, and the help page while one is shown; a new game first in flight says "F1: Hilfe" in the
// ticker.
void RunHelpPages(HudContext& hud);
