#include "game/flight/ships_pass.h"

#include "game/flight/drive.h"
#include "game/flight/emitters.h"
#include "game/flight/environment.h"
#include "game/flight/motion.h"
#include "game/flight/pickup.h"
#include "game/flight/pilots.h"
#include "game/flight/ship_drawing.h"
#include "game/flight/weapons.h"
#include "game/world/remote_ships.h"

namespace {

// The turn of one ship, in its fixed order; true when the ship has gone into a station and is to
// be removed. Other players' ships (neither the local one nor a computer's) go where their
// reports say they are (remote_ships.h); the motion step then only turns them.
bool RunShipTurn(FlightContext& flight, ShipRecord& ship) {
  World& world = flight.world;
  const bool local = ship.controller == world.localPlayerNumber;
  CountCooldowns(ship);
  RunDockingAutopilot(flight, ship);
  RunRouteDrive(flight, ship);
  if (IsRemoteShip(ship, world.localPlayerNumber)) {
    FlyRemoteShip(world.remoteTracks[ship.controller], ship, RemoteClockMs());
  }
  if (ship.controller == 0 && !local) RunComputerPilot(flight, ship);
  MotionStep(ship, flight.frame.timeFactor);
  EmitExhaust(flight, ship);
  const bool docked = RunRingDocking(flight, ship);
  if (local) MarkMissionTarget(flight, ship);
  DrawShip(flight, ship);
  CollectPods(flight, ship);
  if (local && ship.tractorTimer > 0) LayTractorBeam(flight, ship);
  return docked;
}

}  // namespace

void RunShipsPass(FlightContext& flight) {
  CursorList<ShipRecord>& ships = flight.world.ships;
  ships.Reset();
  while (ships.Next()) {
    ShipRecord& ship = *ships.Current();
    if (RunShipTurn(flight, ship)) ships.DeleteCurrent();
  }
}
