#pragma once

#include <string>

#include "game/ui/ui_state.h"

struct Media;

// One step of a mouse button's state machine, once per frame: 0 up, 1 down for the first frame,
// 2 down for 2-10 frames, 3 down longer, 4 clicked (released after at least 2 frames down),
// 5 double-clicked (such a release less than 20 frames after the previous one).
int UpdateButtonState(ButtonTracker& tracker, bool down);

// Samples both mouse buttons into the UI state (the frame loop and the menu loop call this once
// per frame after ReadMouse). In the menus the pad's A counts as the left button (`padLeft`).
void UpdateMouseButtons(UiState& ui, const Media& media, bool padLeft = false);

// A 32 x 32 picture button with a blinking highlight while hovered and a tooltip after the mouse
// rests on it; true in the frame it is clicked.
bool IconButton(Media& media, UiState& ui, int frameCounter, int picture, int x, int y,
                const std::string& tooltip);
