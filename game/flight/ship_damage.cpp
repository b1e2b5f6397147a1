#include "game/flight/ship_damage.h"

#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "game/flight/docking.h"
#include "game/flight/emitters.h"
#include "game/flight/ship_loss.h"
#include "game/world/attitudes.h"
#include "game/world/fields.h"
#include "game/world/geometry.h"
#include "game/world/missions.h"
#include "game/world/ship_records.h"
#include "game/world/world_lists.h"

namespace {

int Random(FlightContext& flight, int max) {
  return RandomInt(flight.rng, max);
}

// The index held by a randomly chosen 10-character field of a weapons or cargo text; 0 when the
// text has no field or the chosen field is blank.
int RandomFieldIndex(FlightContext& flight, const std::string& fields) {
  const int count = RecordCount(fields, kShipRecordWidth);
  if (count == 0) return 0;
  return RecordIndex(RecordAt(fields, Random(flight, count - 1), kShipRecordWidth));
}

void DropPods(FlightContext& flight, const ShipRecord& ship) {
  const int attempts = 3 + Random(flight, 4);
  for (int i = 0; i < attempts; ++i) {
    const int r = Random(flight, 7);
    if (r >= 4) continue;
    int type = 3901;
    int item = 0;
    int amount = 1;
    if (r == 0) {
      item = RandomFieldIndex(flight, ship.weapons);
    } else {
      type = 3910 + r;
      item = RandomFieldIndex(flight, ship.cargo);
      amount = 1 + Random(flight, 9);
    }
    // A ship with nothing of the kind on board drops nothing of it.
    if (item <= 0) continue;
    const float x = ship.x - 50 + Random(flight, 100);
    const float y = ship.y - 50 + Random(flight, 100);
    AddFloatingObject(flight.world.visit.floatingObjects,
                      {.type = type,
                       .item = item,
                       .amount = amount,
                       .radius = 10,
                       .x = x,
                       .y = y,
                       .heading = static_cast<float>(1 + Random(flight, 359)),
                       .speed = static_cast<float>(1 + Random(flight, 5)),
                       .spin = static_cast<float>(-5 + Random(flight, 10)),
                       .life = 1000});
  }
}

// The place whose docking ring lies at the launch point: the respawned ship is back there.
std::string LaunchPlace(const World& world) {
  const SystemObjectRecord* nearest = nullptr;
  float best = 1000;
  for (const SystemObjectRecord& object : world.visit.systemObjects) {
    if (object.type != kObjectDockingRing) continue;
    const float d = RoundedDistance(object.x, object.y, world.launchX, world.launchY);
    if (d < best) {
      best = d;
      nearest = &object;
    }
  }
  if (!nearest) return world.docking.dockedPlace;
  return PlaceOfRing(nearest->name);
}

void Respawn(FlightContext& flight, ShipRecord& ship) {
  World& world = flight.world;
  const auto& types = flight.catalogues.ships.shipTypes;
  const int index = ShipTypeOfPicture(ship.type);
  const int slots = index >= 0 && index < int(types.size()) ? types[index].slotCount : 0;
  const size_t slotsWidth = size_t(slots) * kShipRecordWidth;
  world.shipLoss = DescribeShipLoss(world, flight.catalogues, ship, slotsWidth);
  if (ship.weapons.size() > slotsWidth) ship.weapons.resize(slotsWidth);
  ship.cargo.clear();
  ship.speed = 10;
  ship.driveSpeed = 0;
  ship.driveFactor = 1;
  ship.dockTarget = -1;
  ship.x = world.cameraX = world.launchX;
  ship.y = world.cameraY = world.launchY;
  ship.heading = world.playerHeading = world.launchHeading;
  ship.hull = static_cast<float>(ship.maxHull);
  ship.shield = static_cast<float>(ship.maxShield);
  // A shield knocked out just before the loss would otherwise fall from full to a sixth when its
  // timer ran out.
  ship.shieldDownTimer = 0;

  CursorList<EnvironmentPieceRecord>& pieces = world.visit.environmentPieces;
  pieces.Reset();
  while (pieces.Next()) {
    if (pieces.Current()->type == 1003) pieces.DeleteCurrent();
  }
  AddStarField(world, flight.rng, 1003);
  // A running mission ends with the loss: its marker goes and so do the ships it named.
  CancelMission(world);
  ForgiveAngeredShips(world);
  world.docking.dockedPlace = LaunchPlace(world);
  world.docking.dockedRequest = 1;
}

}  // namespace

bool DestroyShip(FlightContext& flight, ShipRecord& ship) {
  PlayClip(flight.media, kSoundExplosion);
  EmitShipExplosion(flight, ship.x, ship.y);
  DropPods(flight, ship);
  World& world = flight.world;
  if (&ship == world.ships.Front()) {
    Respawn(flight, ship);
    return false;
  }
  if (world.ships.MakeCurrent(&ship)) world.ships.DeleteCurrent();
  return true;
}

void AddShieldImpact(ShipRecord& ship, float bearing) {
  int code = RoundToInt(bearing / 2) - 45;
  if (code < 0) code += 180;
  ship.impacts += static_cast<char>(code);
  ship.impacts += static_cast<char>(250);
}

void DamageShield(ShipRecord& ship, float amount) {
  ship.shield -= amount;
  if (ship.shield < 0) {
    ship.shieldDownTimer = 100;
    ship.shield = 0;
  }
}
