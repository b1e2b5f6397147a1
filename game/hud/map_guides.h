#pragma once

#include "game/hud/hud_context.h"

// What the system map adds to the system's bodies so that a player can find the way: the grid of
// the squares that missions name, the running mission's square, and the lanes to other systems
// with the names of the systems they lead to. The map is 500 x 500 pixels of 200 units each.

// Into the map layer, under the bodies: the grid's lines.
void DrawMapGrid(Media& media);

// Into the map layer, over the bodies: the running mission's square and the lanes that leave the
// system.
void DrawMissionSquare(Media& media, const World& world);
void DrawLeavingLanes(HudContext& hud);

// Into the panel picture, over the layer: the grid's column letters and row numbers, and the lane
// labels ("-> Alpha 23").
void DrawMapGridLabels(Media& media);
void DrawLeavingLaneLabels(HudContext& hud);
