#pragma once

#include "game/flight/flight_context.h"

// Draws a ship's picture, turned to its heading in the view of the local ship, when it is near
// enough to be on the screen.
void DrawShipPicture(FlightContext& flight, const ShipRecord& ship);
