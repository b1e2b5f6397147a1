#pragma once

#include "game/media/media.h"
#include "game/world/frame_state.h"

// The fade between menu and flight, drawn over the finished picture: a positive ScreenFade fades
// in from black by 5 a frame, a negative one darkens to black by 5 a frame.
void DrawScreenFade(Media& media, FrameState& frame);
