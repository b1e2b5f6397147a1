#pragma once

#include "game/flight/flight_context.h"

// The docking autopilot, the route drive and the ring, for one ship of the all-ships pass. A ship
// is bound to every system object whose id is its dockTarget: a docking ring, or all markers of
// one route lane (entry, middles and exit share the lane's id).

// The first system object with the id (for a lane, its entry); nullptr when there is none.
SystemObjectRecord* FindSystemObject(World& world, int id);

// Flies a ship with a dock target to it, aligns it with the object's own angle and locks it on:
// the ring's or the lane's drive takes over. Runs only while the drive factor is 1.
void RunDockingAutopilot(FlightContext& flight, ShipRecord& ship);

// Braking towards a lane's exit and the stop there; the local ship's stop at the exit of a green
// or red lane raises the jump to the next system.
void RunRouteDrive(FlightContext& flight, ShipRecord& ship);

// A ship held by a docking ring: the local ship docks once the screen has faded out (the station
// screen opens at the end of the frame); true for a computer ship that has gone into the station
// and is to be removed at the end of its turn.
bool RunRingDocking(FlightContext& flight, ShipRecord& ship);
