#pragma once

#include <string>

// The records of the world lists. Fields are in storage order, which is also the order of the
// list's add operation (a designated initializer must follow it) and of saved games.

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

struct SystemObjectRecord {
  int type = 0;
  int id = 0;
  float radius = 0;
  float x = 0;
  float y = 0;
  float angle = 0;
  float spin = 0;
  int bound = 0;  // 1 while some ship has this object as its dock target
  int group = 0;
  std::string name;
};

struct EnvironmentPieceRecord {
  int type = 0;
  float size = 0;
  float x = 0;
  float y = 0;
  float depth = 0;  // parallax: placed relative to the camera at position x depth x 0.02
  float angle = 0;
  float spin = 0;
  int jitter = 0;
  float alphaFactor = 0;
};

struct ProjectileRecord {
  int sprite = 0;  // 3000 + weapon type; 4401 mine
  int kind = 0;
  int ownerId = 0;
  int ownerGroup = 0;
  float radius = 0;
  float x = 0;
  float y = 0;
  float heading = 0;
  float speed = 0;
  int travelled = 0;
  int range = 0;
  float homing = 0;
  int hullDamage = 0;
  int shieldDamage = 0;
};

struct FloatingObjectRecord {
  int type = 0;  // below 2000 rock fragments, 3901 weapon pod, 3911-3913 cargo pods
  int item = 0;
  int amount = 0;
  float radius = 0;
  float x = 0;
  float y = 0;
  float heading = 0;
  float speed = 0;
  float spin = 0;
  int life = 0;  // frames left; 0 = unlimited
};

struct ParticleRecord {
  int sprite = 0;
  float size = 0;
  float x = 0;
  float y = 0;
  float heading = 0;
  float speed = 0;
  int alpha = 0;
  float life = 0;
};

struct FieldGlowRecord {
  int x = 0;
  int y = 0;
  int radius = 0;
  int colour = 0;  // red in the lowest byte
};

struct TickerMessageRecord {
  int colour1 = 0;
  std::string text1;
  int colour2 = 0;
  std::string text2;
  int life = 0;
};

struct PlaceRecord {
  std::string name;
  int known = 0;
  int x = 0;
  int y = 0;
  std::string systemFolder;
  std::string shipOffers;
  std::string weaponOffers;
  std::string goodsOffers;
  std::string goodsPrices;
};

struct MenuItemRecord {
  int kind = 0;
  int x = 0;
  int y = 0;
  std::string caption;
  int action = 0;
};

struct MenuStarRecord {
  int kind = 0;    // 1 small drifting glow, 2 large drifting picture
  int sprite = 0;  // picture of a kind-2 record
  float x = 0;
  float y = 0;
  int size = 0;
  int phase = 0;  // twinkle phase in degrees; 0 = resting
};

struct KeyCharRecord {
  int scanCode = 0;
  std::string character;  // "char" in the key table
  std::string shiftChar;
};
