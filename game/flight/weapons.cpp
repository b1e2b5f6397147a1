#include "game/flight/weapons.h"

#include <cmath>

#include "formats/angles.h"
#include "formats/media_numbers.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "formats/text_rules.h"
#include "game/world/geometry.h"
#include "game/world/ship_records.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kLongestCooldown = 99999;
constexpr float kShotRadius = 8;
constexpr int kMineKind = 9;

// Mount point k of the ship's type (slot i uses entry i + 1); the centre when there is none.
ShipMount MountOf(const Catalogues& catalogues, const ShipRecord& ship, int slot) {
  const auto& mounts = catalogues.ships.shipMounts;
  const int type = ShipTypeOfPicture(ship.type);
  if (type < 0 || type >= static_cast<int>(mounts.size())) return {};
  if (slot + 1 < 0 || slot + 1 > kMaxMountSlots) return {};
  return mounts[type][slot + 1];
}

int SlotCount(const Catalogues& catalogues, const ShipRecord& ship) {
  const auto& types = catalogues.ships.shipTypes;
  const int type = ShipTypeOfPicture(ship.type);
  if (type < 0 || type >= static_cast<int>(types.size())) return 0;
  return types[type].slotCount;
}

void Launch(FlightContext& flight, const ShipRecord& ship, int weapon, const WeaponType& w, float x,
            float y, float heading, float speed) {
  AddProjectile(flight.world.visit.projectiles, {.sprite = ProjectilePictureOf(weapon),
                                                 .kind = w.kind,
                                                 .ownerId = ship.id,
                                                 .ownerGroup = ship.group,
                                                 .radius = kShotRadius,
                                                 .x = static_cast<float>(RoundToInt(x)),
                                                 .y = static_cast<float>(RoundToInt(y)),
                                                 .heading = heading,
                                                 .speed = speed,
                                                 .travelled = 0,
                                                 .range = w.range,
                                                 .homing = static_cast<float>(w.homing),
                                                 .hullDamage = w.hullDamage,
                                                 .shieldDamage = w.shieldDamage});
}

bool NearCamera(const FlightContext& flight, const ShipRecord& ship) {
  return InBox(ship.x, ship.y, flight.world.cameraX, flight.world.cameraY, 1000);
}

// The weapon of a slot and whether the ship's energy covers a shot of it.
const WeaponType* ArmedWeapon(const FlightContext& flight, const ShipRecord& ship, int slot) {
  const WeaponType* w = ShotWeapon(flight.catalogues, WeaponFieldIndex(ship.weapons, slot));
  if (!w || ship.energy - w->energyPerShot < 0) return nullptr;
  return w;
}

}  // namespace

int WeaponFieldCount(const std::string& weapons) {
  return RecordCount(weapons, kShipRecordWidth);
}

bool WeaponFieldBlank(const std::string& weapons, int field) {
  return TrimBlanks(Columns(RecordAt(weapons, field, kShipRecordWidth), 1, 5)).empty();
}

int WeaponFieldIndex(const std::string& weapons, int field) {
  return RecordIndex(RecordAt(weapons, field, kShipRecordWidth));
}

int WeaponFieldCooldown(const std::string& weapons, int field) {
  return RecordAmount(RecordAt(weapons, field, kShipRecordWidth));
}

void SetWeaponFieldCooldown(std::string& weapons, int field, int cooldown) {
  const std::string_view record = RecordAt(weapons, field, kShipRecordWidth);
  if (record.empty()) return;
  const std::string index(record.substr(0, 5));
  ReplaceRecord(weapons, field, kShipRecordWidth, index + PadRight(FormatInt(cooldown), 5));
}

int CooldownFrames(float fireRate) {
  if (!(fireRate > 0)) return kLongestCooldown;
  const double frames = 50.0 / fireRate;
  if (frames > kLongestCooldown) return kLongestCooldown;
  return RoundToInt(frames);
}

void CountCooldowns(ShipRecord& ship) {
  const int fields = WeaponFieldCount(ship.weapons);
  for (int i = 0; i < fields; ++i) {
    if (WeaponFieldBlank(ship.weapons, i)) continue;
    const int cooldown = WeaponFieldCooldown(ship.weapons, i);
    if (cooldown > 0) SetWeaponFieldCooldown(ship.weapons, i, cooldown - 1);
  }
}

const WeaponType* ShotWeapon(const Catalogues& catalogues, int weapon) {
  const WeaponCatalogue& c = catalogues.weapons;
  if (weapon < 1 || weapon > c.weaponTypeCount || weapon >= int(c.weaponTypes.size())) {
    return nullptr;
  }
  return &c.weaponTypes[weapon];
}

bool FireWeaponPlayer(FlightContext& flight, ShipRecord& ship, int slot, float aimX, float aimY) {
  const WeaponType* w = ArmedWeapon(flight, ship, slot);
  if (!w) return false;
  const int weapon = WeaponFieldIndex(ship.weapons, slot);
  const ShipMount mount = MountOf(flight.catalogues, ship, slot);
  const float r = static_cast<float>(mount.distance);
  bool made = false;
  double aim = 180;
  if (w->kind == kMineKind) {
    Launch(flight, ship, weapon, *w, ship.x + r * float(CosDeg(ship.heading + 180)),
           ship.y + r * float(SinDeg(ship.heading + 180)), ship.heading - 180,
           w->speed - ship.speed * 0.2f);
    made = true;
  } else {
    // The pointer's angle off the nose as seen from the mount's place on the screen (the ship
    // points up). Both coordinates count: a pointer behind the mount is far off the nose, not
    // mirrored in front of it.
    const double mountX = kShipScreenX + r * CosDeg(mount.angle - 90);
    const double mountY = kShipScreenY + r * SinDeg(mount.angle - 90);
    aim = std::atan2(mountX - aimX, mountY - aimY) / kRadiansPerDegree;
    if (std::fabs(aim) < 45) {
      Launch(flight, ship, weapon, *w, ship.x + r * float(CosDeg(ship.heading + mount.angle)),
             ship.y + r * float(SinDeg(ship.heading + mount.angle)),
             static_cast<float>(ship.heading - aim), ship.speed * 0.2f + w->speed);
      made = true;
    }
  }
  ship.energy -= w->energyPerShot;
  if (NearCamera(flight, ship) && std::fabs(aim) < 45)
    PlayClip(flight.media, kSoundShotBase + w->kind);
  return made;
}

bool FireWeaponComputer(FlightContext& flight, ShipRecord& ship, int slot, float aimError) {
  const WeaponType* w = ArmedWeapon(flight, ship, slot);
  if (!w) return false;
  const ShipMount mount = MountOf(flight.catalogues, ship, slot);
  const float r = static_cast<float>(mount.distance);
  Launch(flight, ship, WeaponFieldIndex(ship.weapons, slot), *w,
         ship.x + r * float(CosDeg(ship.heading + mount.angle)),
         ship.y + r * float(SinDeg(ship.heading + mount.angle)), ship.heading - aimError,
         ship.speed * 0.2f + w->speed);
  ship.energy -= w->energyPerShot;
  if (NearCamera(flight, ship)) PlayClip(flight.media, kSoundShotBase + w->kind);
  return true;
}

void FirePlayerWeapons(FlightContext& flight, ShipRecord& ship) {
  FirePlayerWeaponsAt(flight, ship, static_cast<float>(MouseX(flight.media)),
                      static_cast<float>(MouseY(flight.media)));
}

void FirePlayerWeaponsAt(FlightContext& flight, ShipRecord& ship, float aimX, float aimY) {
  const int slots = SlotCount(flight.catalogues, ship);
  for (int i = 0; i < slots && i < WeaponFieldCount(ship.weapons); ++i) {
    if (WeaponFieldBlank(ship.weapons, i) || WeaponFieldCooldown(ship.weapons, i) > 0) continue;
    const WeaponType* w = ShotWeapon(flight.catalogues, WeaponFieldIndex(ship.weapons, i));
    if (!w) continue;
    FireWeaponPlayer(flight, ship, i, aimX, aimY);
    SetWeaponFieldCooldown(ship.weapons, i, CooldownFrames(w->fireRate));
  }
}

void FireComputerWeapons(FlightContext& flight, ShipRecord& ship, float diff) {
  for (int i = 0; i < WeaponFieldCount(ship.weapons); ++i) {
    if (WeaponFieldBlank(ship.weapons, i) || WeaponFieldCooldown(ship.weapons, i) > 0) continue;
    const WeaponType* w = ShotWeapon(flight.catalogues, WeaponFieldIndex(ship.weapons, i));
    if (!w) continue;
    const float aimError = static_cast<float>(RandomInt(flight.rng, 10)) - diff - 5;
    FireWeaponComputer(flight, ship, i, aimError);
    SetWeaponFieldCooldown(ship.weapons, i, CooldownFrames(w->fireRate));
  }
}
