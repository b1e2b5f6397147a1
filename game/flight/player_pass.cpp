#include "game/flight/player_pass.h"

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "formats/latin1.h"
#include "formats/rounding.h"
#include "formats/route_points.h"
#include "game/flight/docking.h"
#include "game/flight/pad_flight.h"
#include "game/flight/weapons.h"
#include "game/media/gamepad.h"
#include "game/media/scan_codes.h"
#include "game/world/geometry.h"
#include "game/world/missions.h"
#include "game/world/system_loading.h"

namespace {

constexpr int kHeldLong = 3;
constexpr float kAfterburner = 70;
constexpr float kNoseAimDistance = 400;  // the pad's A fires at a point this far ahead

ShipRecord* LocalShip(World& world) {
  for (ShipRecord& ship : world.ships) {
    if (ship.controller == world.localPlayerNumber) return &ship;
  }
  return nullptr;
}

// Keys 0, 1, 2 write the ship's place in the system as a route point for universe authors.
void RecordRoutePoints(FlightContext& flight, const ShipRecord& ship) {
  static constexpr int kKeys[] = {kKey0, kKey1, kKey2};
  const SystemVisit& visit = flight.world.visit;
  for (int digit = 0; digit < 3; ++digit) {
    if (!KeyReleased(flight.media, kKeys[digit])) continue;
    AppendRoutePoint(DataPath(flight.gameFolder, "INI\\Routenpunkte.txt"),
                     {RoundToInt(ship.x) - visit.currentSystemX,
                      RoundToInt(ship.y) - visit.currentSystemY, digit});
  }
}

// V: 70 more speed while held and while the energy lasts; an exhausted afterburner stays off
// until V is let go.
void RunAfterburner(FlightContext& flight, ShipRecord& ship) {
  int& state = flight.world.flight.afterburner;
  const bool held = KeyHeld(flight.media, kKeyV);
  if (held && state == 0 && ship.energy > 1) {
    ship.speed += kAfterburner;
    state = 1;
  }
  // Taking the boost off never leaves the ship flying backwards (braked to a stand while V was
  // held); like S, it stops at 0.
  if (!held) {
    if (state == 1) ship.speed = std::max(ship.speed - kAfterburner, 0.0f);
    state = 0;
  }
  if (state == 1) {
    if (ship.energy <= 1) {
      ship.speed = std::max(ship.speed - kAfterburner, 0.0f);
      state = -1;
    } else {
      ship.energy -= 1;
    }
  }
}

void Strafe(ShipRecord& ship, float side, float timeFactor) {
  ship.x += static_cast<float>(3 * CosDeg(ship.heading + side) * timeFactor);
  ship.y += static_cast<float>(3 * SinDeg(ship.heading + side) * timeFactor);
}

// The keys that work only while no drive holds the ship.
void HandleFlightKeys(FlightContext& flight, ShipRecord& ship) {
  Media& media = flight.media;
  if (KeyReleased(media, kKeyLeftCtrl) || PadPressed(media, kPadX)) {
    RequestDocking(flight.world, media, flight.gameFolder);
  }
  if (PadPressed(media, kPadY)) SelectNextDockable(flight.world, ship.x, ship.y);
  if (KeyHeld(media, kKeyB) || PadHeld(media, kPadB)) ship.tractorTimer = 100;
  const int afterburner = flight.world.flight.afterburner;
  const bool faster = KeyHeld(media, kKeyW) || PadSpeedsUp(media);
  if (faster && ship.speed < ship.maxSpeed + kAfterburner * afterburner) ship.speed += 2;
  if (KeyHeld(media, kKeyS) || PadSlowsDown(media)) {
    if (ship.speed > 0) ship.speed -= 2;
    if (ship.speed < 0) ship.speed = 0;
  }
  RunAfterburner(flight, ship);
  if (KeyHeld(media, kKeyA)) Strafe(ship, -90, flight.frame.timeFactor);
  if (KeyHeld(media, kKeyD)) Strafe(ship, 90, flight.frame.timeFactor);
}

// The player's keys and mouse (everything but the chat line's typing).
void HandlePlayerInput(FlightContext& flight, ShipRecord& ship) {
  World& world = flight.world;
  Media& media = flight.media;
  RecordRoutePoints(flight, ship);
  if (KeyReleased(media, kKeyF5)) flight.requests.quickSave = true;
  if (KeyReleased(media, kKeyF9)) world.developerInfo = world.developerInfo ? 0 : 1;
  if (KeyReleased(media, kKeyU) || world.systemChangePending) {
    world.systemChangePending = 0;
    EnterSystem(world, SystemContext{flight.rng, flight.gameFolder});
  }
  if (ship.driveSpeed < 1) HandleFlightKeys(flight, ship);
  if (KeyReleased(media, kKeySpace)) world.flight.mouseSteering ^= 1;
  const bool heldForSteering = flight.ui.leftButtonState == kHeldLong && !flight.ui.leftPressOnHud;
  if (heldForSteering || world.flight.mouseSteering) {
    ship.turnRate = MouseTurnRate(MouseX(media), MouseY(media));
  }
  PadTurnRate(media, ship.turnRate);  // the stick, when pushed, wins over the pointer
}

}  // namespace

float MouseTurnRate(int mouseX, int mouseY) {
  if (mouseX == 512) return 0;
  const double dx = mouseX - 512;
  const double level = std::fabs(std::atan((mouseY - 612) / dx)) / kRadiansPerDegree;
  const double turn = (dx > 0 ? 1 : -1) * (90 - level);
  return static_cast<float>(std::clamp(turn, -double(kMaxTurnRate), double(kMaxTurnRate)));
}

void RunLocalShipPass(FlightContext& flight) {
  World& world = flight.world;
  ShipRecord* ship = LocalShip(world);
  if (!ship) return;
  world.cameraX = ship->x;
  world.cameraY = ship->y;
  world.playerHeading = ship->heading;
  // While the chat line is typed into, the keys belong to it (a pending jump waits).
  if (!flight.ui.editActive) HandlePlayerInput(flight, *ship);
  // The right button fires even while the chat line is typed into.
  if (flight.ui.rightButtonState > 0) {
    FirePlayerWeapons(flight, *ship);
  } else if (PadHeld(flight.media, kPadA)) {
    FirePlayerWeaponsAt(flight, *ship, kShipScreenX, kShipScreenY - kNoseAimDistance);
  }
  PayMissionRewardWhenDone(world);
  const Media& media = flight.media;
  if (world.networkGame &&
      (ship->speed != 0 || ship->turnRate != 0 || KeyHeld(media, kKeyA) || KeyHeld(media, kKeyD))) {
    flight.requests.reportMovement = true;
  }
}
