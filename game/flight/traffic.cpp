#include "game/flight/traffic.h"

void SpawnRouteTraffic(FlightContext& /*flight*/) {}
