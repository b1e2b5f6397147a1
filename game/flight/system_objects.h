#pragma once

#include "game/flight/flight_context.h"

// Suns, planets, stations, docking rings, route markers and radiation fields in flight: planets
// turn, rings and lanes in use stream plasma, suns and planets burn and crush ships, radiation
// fields eat hulls, stations are solid; then every object is drawn and marked and can be
// selected by a left click. The heat and field warnings are recomputed here each frame.
void RunSystemObjects(FlightContext& flight);

// What an object does to one ship that touches it (the broad test passed): burning, crushing,
// radiation, a station's hard hull. False when the ship was destroyed and removed.
bool CollideShip(FlightContext& flight, const SystemObjectRecord& object, ShipRecord& ship);

// How far from its centre a planet or sun burns a ship whose reach (the body's radius plus the
// ship's) is `reach`: planets from 1.05 of the reach, suns from 1.5. Inside 0.9 of it they crush.
// The atmosphere layer draws the glow out to this distance, so the heat begins where the glow does.
float BurningReach(int type, float reach);
inline constexpr float kCrushingShare = 0.9f;

// Draws one object with its running lights, labels, brackets or edge marker, and selects it on a
// left click near it.
void DrawSystemObject(FlightContext& flight, const SystemObjectRecord& object);
