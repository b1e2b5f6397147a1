#pragma once

#include <optional>

#include "game/flight/flight_context.h"

// The background of a system: field-glow tints, the parallax environment pieces (dust, clouds,
// the tractor beam's dots) and the rocks that clouds shed.

// The colour the background takes from one glow for a camera at (x, y): the glow's colour inside
// its radius, fading to black over the 3000 units beyond it; nothing farther out.
std::optional<int> FieldGlowTint(const FieldGlowRecord& glow, float x, float y);

// Clears the screen to the tint of the last glow in reach (the screen is black otherwise).
void DrawFieldGlows(FlightContext& flight);

// Environment pieces: counted near the camera, shedding rocks, drawn with parallax, dust kept
// round the camera, the one-frame pieces removed.
void RunEnvironmentPieces(FlightContext& flight);

// The tractor beam of a ship collecting pods: dots from every pod within 1000 towards the ship,
// drawn in the next environment pass.
void LayTractorBeam(FlightContext& flight, const ShipRecord& ship);
