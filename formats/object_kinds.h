#pragma once

#include "formats/media_numbers.h"

// What a world record's type code says about it. The type of a ship, projectile or system object
// is also the number of the picture that draws it, so these ranges follow the numbering plan of
// media_numbers.h: ships 2000 + ship type, projectiles 3000 + weapon, lane markers 4011..4033,
// docking rings 4100, stations 4101.., planets 4210.., suns 4310...

inline constexpr int kShipPictureBase = 2000;
inline constexpr int kProjectilePictureBase = 3000;

// A ship type (the index into the ship catalogue) and its picture, both ways.
constexpr int ShipPictureOf(int shipType) {
  return kShipPictureBase + shipType;
}
constexpr int ShipTypeOfPicture(int picture) {
  return picture - kShipPictureBase;
}

constexpr int ProjectilePictureOf(int weaponType) {
  return kProjectilePictureBase + weaponType;
}

// Drifting bodies: below 2000 rock fragments, which projectiles burst into smoke; above 2000 the
// pods of weapons and cargo that the tractor beam takes in.
constexpr bool IsRockFragment(int floatingType) {
  return floatingType < kShipPictureBase;
}
constexpr bool IsPod(int floatingType) {
  return floatingType > kShipPictureBase;
}

// System objects.
inline constexpr int kObjectRadiationField = 4000;
inline constexpr int kObjectDockingRing = kPictureDockingRing;
inline constexpr int kObjectStation = kPictureStation;
inline constexpr int kObjectFirstPlanet = 4210;  // planet kind i is 4210 + 10 i
inline constexpr int kObjectSun = 4310;

constexpr bool IsStation(int type) {
  return type >= 4101 && type <= 4199;
}
constexpr bool IsPlanet(int type) {
  return type >= 4201 && type <= 4299;
}
constexpr bool IsSun(int type) {
  return type >= 4301 && type <= 4399;
}
// Stations, planets and suns: the bodies that stop shots and crush drifting rocks.
constexpr bool IsBody(int type) {
  return type >= 4101 && type <= 4399;
}

// Lane markers: 4001 + 10 x level + part, level 1 blue, 2 green, 3 red (the lane's colour code),
// part 0 the entry, 1 a marker along the way, 2 the exit.
enum class LanePart { kEntry = 0, kMiddle = 1, kExit = 2 };

constexpr int LaneMarkerType(int level, LanePart part) {
  return 4001 + 10 * level + static_cast<int>(part);
}
constexpr bool IsLaneMarker(int type) {
  return type >= 4011 && type <= 4033 && type % 10 >= 1 && type % 10 <= 3;
}
constexpr bool IsLaneEntry(int type) {
  return IsLaneMarker(type) && type % 10 == 1;
}
constexpr bool IsLaneExit(int type) {
  return IsLaneMarker(type) && type % 10 == 3;
}
// The level of a lane marker (1 to 3), 0 for a docking ring: the third digit of the type.
constexpr int LaneLevelOf(int type) {
  return (type / 10) % 10;
}

// Blue lanes (level 1) run inside a system; green and red ones lead into the next system.
constexpr bool LeadsToAnotherSystem(int laneLevel) {
  return laneLevel >= 2;
}

// What a ship can ask to enter: a docking ring or the entry of a lane.
constexpr bool IsDockable(int type) {
  return type == kObjectDockingRing || IsLaneEntry(type);
}
