#include "game/flight/system_objects.h"

void RunSystemObjects(FlightContext& /*flight*/) {}
