#include "combat_fixture.h"

#include <gtest/gtest.h>

#include "formats/text_rules.h"
#include "game/shell/frame_loop.h"
#include "game/world/computer_ships.h"
#include "game/world/world_lists.h"

namespace {

std::string GroupFileLine(int number, const std::string& name, const std::string& attitudes) {
  return PadRight(std::to_string(number), 5) + PadRight(name, 25) + attitudes + "\r\n";
}

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

}  // namespace

void ArmForCombat(Game& game) {
  Catalogues& c = game.catalogues;
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
  game.world.groups =
      ReadGroups(GroupFileLine(0, "Spieler", "1") + GroupFileLine(1, "A", "0    1") +
                 GroupFileLine(2, "B", "0    -0.9 1") + GroupFileLine(3, "C", "0    0.6  0    1") +
                 GroupFileLine(4, "D", "0    0    0    0    1"));
  ShipRecord local = TestShip(10, 1, 0, 0, 270);
  local.type = 2001;
  local.weapons = Combat::Weapon(1);
  AddShip(game.world.ships, local);
}

void Combat::SetUp() {
  game = MakeHeadlessGame();
  ArmForCombat(*game);
}

ShipRecord& Combat::AddComputer(int id, int group, float x, float y, float heading) {
  ShipRecord ship = TestShip(id, 0, x, y, heading);
  ship.group = group;
  return AppendShip(game->world, ship);
}

std::string Combat::Weapon(int index) {
  return PadRight(std::to_string(index), 5) + "0    ";
}

FlightContext Combat::Flight() {
  FlightContext flight = FlightOf(*game);
  flight.drawing = false;
  return flight;
}

void Combat::PointAt(int x, int y) {
  InjectMouseMove(game->media, x, y);
  ReadMouse(game->media);
}
