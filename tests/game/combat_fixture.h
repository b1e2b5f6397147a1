#pragma once

#include <gtest/gtest.h>

#include <string>

#include "flight_fixture.h"

// A headless game with a small arsenal and fleet for fights:
// weapons 1 "Kanone" (particle, 2 shots a second, speed 30, range 900, hull 10, shield 8,
// energy 5), 2 "Laser" (laser, 0.5 a second, speed 40, range 1000, hull 7, shield 6, energy 4),
// 3 "Mine" (mine, speed 50, range 1400, hull 80, shield 50, energy 20), 4 "Rakete" (rocket,
// homing 3, speed 20, range 400, hull 30, shield 25, energy 20);
// ship type 1 (radius 24, 3 slots; mounts 40 ahead, 20 to the left and right);
// groups 0 the player, 1 "A", 2 "B" (A and B hostile at -0.9), 3 "C" (A's friend at 0.6, 0
// towards the player), 4 "D" (indifferent to all but itself).
// Gives a game the arsenal, the ship type and the groups above, and the local ship (id 10, group
// 0, one "Kanone") at (0, 0) heading up.
void ArmForCombat(Game& game);

class Combat : public testing::Test {
 public:
  // A ready weapon field of the index.
  static std::string Weapon(int index);

 protected:
  void SetUp() override;

  // A computer ship of type 1 and the group, standing still at (x, y).
  ShipRecord& AddComputer(int id, int group, float x, float y, float heading = 0);
  FlightContext Flight();
  ShipRecord& Local() { return *game->world.ships.Front(); }
  void PointAt(int x, int y);  // the mouse pointer

  GamePtr game;
};
