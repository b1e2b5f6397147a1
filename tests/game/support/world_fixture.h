#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/world/catalogues.h"
#include "game/world/random.h"
#include "game/world/world_state.h"

// A ship as flight sees it: a small fighter (radius 24, top speed 110, agility 9) with full hull,
// shield and energy, no drive and no dock target.
ShipRecord TestShip(int id, int controller, float x, float y, float heading);

// A system object without a name.
SystemObjectRecord TestObject(int type, int id, float radius, float x, float y, float angle = 0);

// A weapon field of the index, ready to fire.
std::string ReadyWeapon(int index);

// A line of the group table: number, name, the attitudes towards the groups before it and itself.
std::string GroupFileLine(int number, const std::string& name, const std::string& attitudes);

// A small arsenal and fleet for fights:
// weapons 1 "Kanone" (particle, 2 shots a second, speed 30, range 900, hull 10, shield 8,
// energy 5), 2 "Laser" (laser, 0.5 a second, speed 40, range 1000, hull 7, shield 6, energy 4),
// 3 "Mine" (mine, speed 50, range 1400, hull 80, shield 50, energy 20), 4 "Rakete" (rocket,
// homing 3, speed 20, range 400, hull 30, shield 25, energy 20);
// ship type 1 (radius 24, 3 slots; mounts 40 ahead, 20 to the left and right);
// groups 0 the player, 1 "A", 2 "B" (A and B hostile at -0.9), 3 "C" (A's friend at 0.6, 0
// towards the player), 4 "D" (indifferent to all but itself).
// Gives the catalogues the arsenal and the ship type, the world the groups above and the local
// ship (id 10, group 0, one "Kanone") at (0, 0) heading up.
void ArmForCombat(World& world, Catalogues& catalogues);

// A docked visit made in memory: small catalogues, two places and the player's ship, so that the
// dealers, the people and the missions can be driven without a game folder.
//   ships:   1 Pionier (3 slots of classes 1, 1, 2; hold 20; 8000), 2 Frachter (2 slots; hold 200;
//            3000), 3 Kutter (1 slot; hold 2; 2000)
//   weapons: 1 Loku I (class 1, 400), 2 Loku III (class 2, 1000), 3 Orkan (class 4, 5000),
//            4 Nadel (class 1, 1351)
//   goods:   1 Wasser (base 4, 301 units in all), 2 Kristalle (300, 70), 3 Erz (10, 99)
//   groups:  0 Spieler, 1 Die Allianz (0.5 to the player), 2 Die Blacks (0 to the player,
//            -0.8 to Die Allianz, 0 to itself)
//   places:  "Planet Neue Allianz" (docked at) and "Station Wacht", both in "Heimat"
class DockedTest : public testing::Test {
 protected:
  DockedTest();

  ShipRecord& Ship() { return *world.ships.Front(); }
  static std::string Weapon(int index) { return ReadyWeapon(index); }

  World world;
  Catalogues catalogues;
  Rng rng;
};
