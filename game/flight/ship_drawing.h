#pragma once

#include "game/flight/flight_context.h"

// Every ship within 8000 of the camera, after its motion step: its picture turned to its heading
// in the view of the local ship, the marks of shots on its shield (which fade here, 10 a frame),
// and for ships other than the local one the hull, shield and energy bars, the bracket with the
// group's name coloured by the player's attitude, the lead marker of a selected or hostile ship,
// the edge marker with its distance for a ship off the screen; a left click on a ship or its edge
// marker selects it. With flight.drawing off only the fading and the selection happen.
void DrawShip(FlightContext& flight, ShipRecord& ship);

// The local ship's running mission: its target point marked by a bracket on the screen or a
// marker on the screen's edge with the distance.
void MarkMissionTarget(FlightContext& flight, const ShipRecord& ship);

// How far ahead of a ship the lead marker goes: how far the ship flies while a shot of the
// player's first weapon covers the distance to it (0 when that slot holds nothing that flies).
float LeadDistance(const FlightContext& flight, const ShipRecord& ship, float screenDistance);
