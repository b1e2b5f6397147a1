#pragma once

#include <string>
#include <tuple>

#include "formats/record_fields.h"

// A ship of the world. Saved games hold the local player's ship in this field order, so the
// record lives beside the readers and writers that share it.
struct ShipRecord {
  int type = 0;  // 2000 + ship-type index, also the picture number
  int id = 0;
  int controller = 0;     // steering player; 0 = computer pilot
  std::string pilotName;  // network players only
  int group = 0;          // group index; +100 while provoked, above 200 mission ships
  float radius = 0;
  float x = 0;
  float y = 0;
  float heading = 0;
  float turnRate = 0;
  float agility = 0;
  float speed = 0;
  float maxSpeed = 0;
  float driveSpeed = 0;
  float driveFactor = 0;
  int money = 0;
  std::string weapons;  // 10-character fields: weapon index (5), cooldown (5)
  std::string cargo;    // 10-character fields: goods index (5), amount (5)
  int cargoCapacity = 0;
  float hull = 0;
  int maxHull = 0;
  int impactSprite = 0;
  std::string impacts;  // two characters per shield impact mark
  float shield = 0;
  int maxShield = 0;
  int shieldDownTimer = 0;
  float energy = 0;
  int maxEnergy = 0;
  int tractorTimer = 0;
  std::string orders;  // waypoint queue (25-character records) or the local mission marker
  int dockTarget = 0;
  int spare = 0;
};

template <>
struct RecordFields<ShipRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("type", &ShipRecord::type), Field("id", &ShipRecord::id),
      Field("controller", &ShipRecord::controller), Field("pilotName", &ShipRecord::pilotName),
      Field("group", &ShipRecord::group), Field("radius", &ShipRecord::radius),
      Field("x", &ShipRecord::x), Field("y", &ShipRecord::y),
      Field("heading", &ShipRecord::heading), Field("turnRate", &ShipRecord::turnRate),
      Field("agility", &ShipRecord::agility), Field("speed", &ShipRecord::speed),
      Field("maxSpeed", &ShipRecord::maxSpeed), Field("driveSpeed", &ShipRecord::driveSpeed),
      Field("driveFactor", &ShipRecord::driveFactor), Field("money", &ShipRecord::money),
      Field("weapons", &ShipRecord::weapons), Field("cargo", &ShipRecord::cargo),
      Field("cargoCapacity", &ShipRecord::cargoCapacity), Field("hull", &ShipRecord::hull),
      Field("maxHull", &ShipRecord::maxHull), Field("impactSprite", &ShipRecord::impactSprite),
      Field("impacts", &ShipRecord::impacts), Field("shield", &ShipRecord::shield),
      Field("maxShield", &ShipRecord::maxShield),
      Field("shieldDownTimer", &ShipRecord::shieldDownTimer), Field("energy", &ShipRecord::energy),
      Field("maxEnergy", &ShipRecord::maxEnergy), Field("tractorTimer", &ShipRecord::tractorTimer),
      Field("orders", &ShipRecord::orders), Field("dockTarget", &ShipRecord::dockTarget),
      Field("spare", &ShipRecord::spare));
};
