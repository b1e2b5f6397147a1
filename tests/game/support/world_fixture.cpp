#include "tests/game/support/world_fixture.h"

#include "formats/text_rules.h"
#include "game/world/world_lists.h"

namespace {

// A weapon of the combat arsenal.
WeaponType MakeWeapon(const char* name, int kind, float rate, int speed, int range, int homing,
                      int hull, int shield, int energy) {
  WeaponType w;
  w.name = name;
  w.kind = kind;
  w.fireRate = rate;
  w.speed = speed;
  w.range = range;
  w.homing = homing;
  w.hullDamage = hull;
  w.shieldDamage = shield;
  w.energyPerShot = energy;
  return w;
}

// A ship type and a weapon of the docked visit's catalogues.
ShipType MakeShip(const char* name, int size, int slots, const char* classes, int hull, int cargo,
                  int price) {
  ShipType type;
  type.name = name;
  type.size = size;
  type.slotCount = slots;
  type.slotClasses = classes;
  type.hull = hull;
  type.maxSpeed = 40 + slots;
  type.agility = 10 + slots;
  type.energy = 100 * slots;
  type.cargoCapacity = cargo;
  type.price = price;
  return type;
}

WeaponType MakeWeapon(const char* name, int weaponClass, int price) {
  WeaponType weapon;
  weapon.name = name;
  weapon.weaponClass = weaponClass;
  weapon.kind = 1;
  weapon.fireRate = 4.5f;
  weapon.speed = 30;
  weapon.range = 900;
  weapon.hullDamage = 4;
  weapon.shieldDamage = 5;
  weapon.energyPerShot = 3;
  weapon.price = price;
  return weapon;
}

}  // namespace

std::string ReadyWeapon(int index) {
  return PadRight(std::to_string(index), 5) + "0    ";
}

std::string GroupFileLine(int number, const std::string& name, const std::string& attitudes) {
  return PadRight(std::to_string(number), 5) + PadRight(name, 25) + attitudes + "\r\n";
}

ShipRecord TestShip(int id, int controller, float x, float y, float heading) {
  return ShipRecord{.type = 2001,
                    .id = id,
                    .controller = controller,
                    .group = 0,
                    .radius = 24,
                    .x = x,
                    .y = y,
                    .heading = heading,
                    .turnRate = 0,
                    .agility = 9,
                    .speed = 0,
                    .maxSpeed = 110,
                    .driveSpeed = 0,
                    .driveFactor = 1,
                    .money = 1000,
                    .weapons = "",
                    .cargo = "",
                    .cargoCapacity = 20,
                    .hull = 120,
                    .maxHull = 120,
                    .impactSprite = 11,
                    .impacts = "",
                    .shield = 100,
                    .maxShield = 100,
                    .shieldDownTimer = 0,
                    .energy = 200,
                    .maxEnergy = 200,
                    .tractorTimer = -1,
                    .orders = "",
                    .dockTarget = -1};
}

SystemObjectRecord TestObject(int type, int id, float radius, float x, float y, float angle) {
  return SystemObjectRecord{.type = type,
                            .id = id,
                            .radius = radius,
                            .x = x,
                            .y = y,
                            .angle = angle,
                            .spin = 0,
                            .bound = 0,
                            .group = 0,
                            .name = ""};
}

void ArmForCombat(World& world, Catalogues& catalogues) {
  Catalogues& c = catalogues;
  DimensionCatalogues(c);
  c.weapons.weaponTypes[1] = MakeWeapon("Kanone", 1, 2, 30, 900, 0, 10, 8, 5);
  c.weapons.weaponTypes[2] = MakeWeapon("Laser", 6, 0.5f, 40, 1000, 0, 7, 6, 4);
  c.weapons.weaponTypes[3] = MakeWeapon("Mine", 9, 0.5f, 50, 1400, 0, 80, 50, 20);
  c.weapons.weaponTypes[4] = MakeWeapon("Rakete", 7, 1, 20, 400, 3, 30, 25, 20);
  c.weapons.weaponTypeCount = 4;
  ShipType& type = c.ships.shipTypes[1];
  type.name = "Jaeger";
  type.slotCount = 3;
  type.size = 24;
  type.hull = 120;
  type.maxSpeed = 110;
  type.agility = 9;
  type.energy = 200;
  c.ships.shipTypeCount = 1;
  c.ships.shipMounts[1][1] = {40, 0};
  c.ships.shipMounts[1][2] = {20, -90};
  c.ships.shipMounts[1][3] = {20, 90};
  world.groups =
      ReadGroups(GroupFileLine(0, "Spieler", "1") + GroupFileLine(1, "A", "0    1") +
                 GroupFileLine(2, "B", "0    -0.9 1") + GroupFileLine(3, "C", "0    0.6  0    1") +
                 GroupFileLine(4, "D", "0    0    0    0    1"));
  ShipRecord local = TestShip(10, 1, 0, 0, 270);
  local.type = 2001;
  local.weapons = ReadyWeapon(1);
  AddShip(world.ships, local);
}

DockedTest::DockedTest() {
  catalogues.ships.shipTypes = {ShipType{},
                                MakeShip("Pionier", 24, 3, "1    1    2    ", 300, 20, 8000),
                                MakeShip("Frachter", 60, 2, "1    1    ", 600, 200, 3000),
                                MakeShip("Kutter", 20, 1, "1    ", 100, 2, 2000)};
  catalogues.ships.shipTypeCount = 3;
  catalogues.weapons.weaponTypes = {MakeWeapon("-LEER-", 0, 0), MakeWeapon("Loku I", 1, 400),
                                    MakeWeapon("Loku III", 2, 1000), MakeWeapon("Orkan", 4, 5000),
                                    MakeWeapon("Nadel", 1, 1351)};
  catalogues.weapons.weaponTypeCount = 4;
  catalogues.goods.goods = {GoodsRecord{}, GoodsRecord{"Wasser", 4, 301},
                            GoodsRecord{"Kristalle", 300, 70}, GoodsRecord{"Erz", 10, 99}};
  catalogues.goods.goodsCount = 3;
  world.groups = ReadGroups(GroupFileLine(0, "Spieler", "1    ") +
                            GroupFileLine(1, "Die Allianz", "0.5  1    ") +
                            GroupFileLine(2, "Die Blacks", "0    -0.8 0    "));

  for (const char* name : {"Planet Neue Allianz", "Station Wacht"}) {
    world.places.Reset();
    while (world.places.Next()) {
    }
    world.places.Add({.name = name, .systemFolder = "Heimat"});
  }
  world.docking.dockedPlace = "Planet Neue Allianz";
  world.visit.currentSystemFolder = "Heimat";
  world.visit.currentSystemX = 100000;
  world.visit.currentSystemY = 200000;
  AddShip(world.ships, {.type = 2001,
                        .id = 10,
                        .controller = 1,
                        .radius = 24,
                        .money = 10000,
                        .weapons = Weapon(1) + Weapon(1) + Weapon(1),
                        .cargoCapacity = 20,
                        .hull = 300,
                        .maxHull = 300,
                        .shield = 100,
                        .maxShield = 100,
                        .dockTarget = -1});
}
