#pragma once

#include "game/hud/hud_context.h"

// "Navigationshilfe": the compass needle in the upper right corner and the strip of bearings
// along the top edge, the bearing the ship is heading for in the middle.

// Where the strip's mark for bearing k (0, 15 .. 345) stands at this heading: x on the screen,
// false when it is too far to the side to be shown.
bool CompassMarkX(int k, float playerHeading, double& x);

// The compass label index shown for the strip's mark k.
int CompassLabelIndex(int k);

// The compass button, and while the compass is shown its needle and strip.
void RunCompass(HudContext& hud);
