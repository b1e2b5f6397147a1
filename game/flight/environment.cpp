#include "game/flight/environment.h"

void DrawFieldGlows(FlightContext& /*flight*/) {}

void RunEnvironmentPieces(FlightContext& /*flight*/) {}
