#pragma once

#include <cstdint>

#include "game/hud/hud_context.h"

// "Systemkarte": the current system drawn from its element file, one pixel per 200 units, with
// the known docking rings labelled in the colour of the player's attitude towards their group,
// and the local ship's marker pulsing over it.

// What the map's picture shows: the system, which places are known, and the player's standings.
std::uint64_t SystemMapKey(const HudContext& hud);

// Renders the map into its layer and the shared panel picture.
void RenderSystemMap(HudContext& hud);

// The map's button, picture and ship marker, once a frame.
void RunSystemMap(HudContext& hud);
