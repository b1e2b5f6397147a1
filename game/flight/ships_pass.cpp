#include "game/flight/ships_pass.h"

#include "game/flight/drive.h"
#include "game/flight/emitters.h"
#include "game/flight/environment.h"
#include "game/flight/motion.h"
#include "game/flight/ship_drawing.h"
#include "game/world/remote_ships.h"

namespace {

// The turn of one ship, in its fixed order; true when the ship has gone into a station and is to
// be removed. The weapon cooldowns belong first in the turn; computer pilots and other players'
// ships move between the drive and the motion step; the ship's markings (shield impacts, bars,
// brackets, lead and edge markers) follow its picture, and the collection of pods follows the
// tractor beam.
bool RunShipTurn(FlightContext& flight, ShipRecord& ship) {
  const World& world = flight.world;
  const bool local = ship.controller == world.localPlayerNumber;
  RunDockingAutopilot(flight, ship);
  RunRouteDrive(flight, ship);
  if (IsRemoteShip(ship, world.localPlayerNumber)) FollowRemoteOrders(ship);
  MotionStep(ship, flight.frame.timeFactor);
  EmitExhaust(flight, ship);
  const bool docked = RunRingDocking(flight, ship);
  if (flight.drawing) DrawShipPicture(flight, ship);
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
