#pragma once

#include "game/media/media.h"
#include "game/ui/menu_state.h"

// Walking the menus with the gamepad. The D-pad or the left stick moves the pointer onto the
// previous or next item that takes clicks (so it lights up as under the mouse, and the mouse can
// take over from there at any time); A clicks it, as the left button (UpdateMouseButtons), under
// the same fresh-screen guard; B or Start goes back as Escape does.

// A stick held up or down moves on again after this many frames, then every kPadRepeatFrames.
inline constexpr int kPadRepeatDelay = 20;
inline constexpr int kPadRepeatFrames = 8;

// Before ReadMouse: moves the pointer onto the item the pad walks to this frame, if any.
void WalkMenuWithPad(MenuState& menu, Media& media);

// B or Start pressed on a screen shown long enough to take presses.
bool PadGoesBack(const MenuState& menu, const Media& media);
