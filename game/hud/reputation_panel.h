#pragma once

#include <cstdint>

#include "game/hud/hud_context.h"

// "Gruppenreputation": the player's standing with every group, eight groups at a time, and the
// selected group's description. The picture itself is the stations' group panel; the HUD shows
// it and runs its scroll arrows and rows.

// What the panel's picture shows: the list's position, the selected group and the standings.
std::uint64_t ReputationPanelKey(const HudContext& hud);

// Renders the panel into the shared panel picture.
void RenderReputationPanel(HudContext& hud);

// The panel's button, picture and controls, once a frame.
void RunReputationPanel(HudContext& hud);
