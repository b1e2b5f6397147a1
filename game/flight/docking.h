#pragma once

#include "game/media/media.h"
#include "game/world/world_state.h"

// The docking announcement: while a docking request runs, the four voice clips 10..13 play one
// after another; the step advances only in frames in which no clip is playing.
void AdvanceAnnouncement(DockingState& docking, Media& media);
