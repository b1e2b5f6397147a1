#pragma once

#include "game/media/media.h"
#include "game/world/world_state.h"

// Flying with the gamepad, beside the keys and the mouse: the left stick steers towards its
// direction, the right trigger or shoulder speeds up and the left ones slow down, A fires towards
// the nose, X asks to dock or ride the selected lane, Y picks the next of the nearest rings and
// lane entries, B holds the tractor beam, Start is Escape.

// How many of the nearest rings and lane entries Y cycles through.
inline constexpr int kPadSelectionCycle = 5;

// Whether the pad asks for more speed (as W) or less (as S).
bool PadSpeedsUp(const Media& media);
bool PadSlowsDown(const Media& media);

// The turn the left stick asks for, or false while it rests in its dead zone. The stick's
// direction on the screen counts as a pointer's direction from the ship does for mouse steering,
// except that a stick pointing behind the ship turns it at full rate towards that side (or to the
// right when straight behind).
bool PadTurnRate(const Media& media, float& turnRate);

// The turn towards a direction on the screen (x to the right, y downwards; the ship points up).
float StickTurnRate(float x, float y);

// Y: selects the nearest ring or lane entry, or when one of the kPadSelectionCycle nearest is
// selected already, the next farther of them (after the farthest, the nearest again).
void SelectNextDockable(World& world, float shipX, float shipY);
