#include "game/flight/floating_objects.h"

void RunFloatingObjects(FlightContext& /*flight*/) {}
