// Weapons: cooldowns, the player's and the computers' shots, mines.

#include <gtest/gtest.h>

#include <cmath>

#include "game/flight/weapons.h"
#include "tests/game/support/flight_parts.h"

namespace {

TEST(Weapons, CooldownIsFiftyFramesOverTheFireRateRounded) {
  EXPECT_EQ(CooldownFrames(2), 25);
  EXPECT_EQ(CooldownFrames(0.5f), 100);
  EXPECT_EQ(CooldownFrames(4.5f), 11);  // 11.1
  EXPECT_EQ(CooldownFrames(4), 12);     // 12.5: halves to even
  EXPECT_EQ(CooldownFrames(0), 99999);  // no rate: the slot never comes back, nothing divides by 0
  EXPECT_EQ(CooldownFrames(0.0001f), 99999);
}

TEST(Weapons, CooldownsCountDownInTheirFieldsOnly) {
  ShipRecord ship;
  ship.weapons = "3    12   " + std::string(10, ' ') + "7    0    12   1    ";
  CountCooldowns(ship);
  EXPECT_EQ(ship.weapons, "3    11   " + std::string(10, ' ') + "7    0    12   0    ");
  EXPECT_EQ(WeaponFieldCount(ship.weapons), 4);
  EXPECT_TRUE(WeaponFieldBlank(ship.weapons, 1));
  EXPECT_EQ(WeaponFieldIndex(ship.weapons, 3), 12);
}

TEST_F(Combat, APlayersShotLeavesTheMountTowardsThePointerAndResetsTheCooldown) {
  Local().weapons = Weapon(1) + Weapon(2);
  Local().speed = 50;
  PointAt(512, 100);  // straight ahead of the ship (heading 270: up)
  FlightContext flight = Flight();
  FirePlayerWeapons(flight, Local());
  ASSERT_EQ(game->world.visit.projectiles.Count(), 2);
  const ProjectileRecord& shot = *game->world.visit.projectiles.Front();
  EXPECT_EQ(shot.sprite, 3001);
  EXPECT_EQ(shot.kind, 1);
  EXPECT_EQ(shot.ownerId, 10);
  EXPECT_EQ(shot.ownerGroup, 0);
  EXPECT_FLOAT_EQ(shot.radius, 8);
  EXPECT_FLOAT_EQ(shot.x, 0);  // the first mount, 40 ahead
  EXPECT_FLOAT_EQ(shot.y, -40);
  EXPECT_FLOAT_EQ(shot.speed, 50 * 0.2f + 30);
  EXPECT_EQ(shot.range, 900);
  EXPECT_EQ(shot.hullDamage, 10);
  EXPECT_EQ(shot.shieldDamage, 8);
  EXPECT_FLOAT_EQ(Local().energy, 200 - 5 - 4);
  EXPECT_EQ(WeaponFieldCooldown(Local().weapons, 0), 25);   // rate 2
  EXPECT_EQ(WeaponFieldCooldown(Local().weapons, 1), 100);  // rate 0.5

  // Not ready: nothing more leaves.
  FirePlayerWeapons(flight, Local());
  EXPECT_EQ(game->world.visit.projectiles.Count(), 2);
}

TEST_F(Combat, ThePointerTurnsTheShotAsSeenFromTheMountsPlaceOnTheScreen) {
  // The mount 20 to the left sits at screen (492, 612); a pointer 100 above it and 101 to its
  // right is more than 45 degrees off: nothing leaves. 99 to the right is inside.
  Local().weapons = std::string(10, ' ') + Weapon(1);
  FlightContext flight = Flight();
  PointAt(593, 512);
  FirePlayerWeapons(flight, Local());
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);
  EXPECT_FLOAT_EQ(Local().energy, 195);  // the shot's energy is spent all the same
  EXPECT_EQ(WeaponFieldCooldown(Local().weapons, 1), 25);

  SetWeaponFieldCooldown(Local().weapons, 1, 0);
  PointAt(591, 512);
  FirePlayerWeapons(flight, Local());
  ASSERT_EQ(game->world.visit.projectiles.Count(), 1);
  const ProjectileRecord& shot = *game->world.visit.projectiles.Front();
  EXPECT_NEAR(shot.heading, 270 + 44.71, 0.01);  // turned right of the nose
  EXPECT_FLOAT_EQ(shot.x, -20);                  // the left mount
  EXPECT_FLOAT_EQ(shot.y, 0);

  // Behind the mount the pointer is far off the nose, however near the line through it: no
  // shot (a mirrored one would fly forwards), the energy spent and the cooldown started.
  game->world.visit.projectiles.Clear();
  SetWeaponFieldCooldown(Local().weapons, 1, 0);
  const float energy = Local().energy;
  PointAt(500, 712);
  FirePlayerWeapons(flight, Local());
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);
  EXPECT_FLOAT_EQ(Local().energy, energy - 5);
  EXPECT_EQ(WeaponFieldCooldown(Local().weapons, 1), 25);
}

TEST_F(Combat, WithoutEnoughEnergyNothingIsFiredButTheCooldownStarts) {
  Local().weapons = Weapon(1);
  Local().energy = 4.9f;
  PointAt(512, 100);
  FlightContext flight = Flight();
  FirePlayerWeapons(flight, Local());
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);
  EXPECT_FLOAT_EQ(Local().energy, 4.9f);
  EXPECT_EQ(WeaponFieldCooldown(Local().weapons, 0), 25);
  // Exactly the shot's energy is enough.
  SetWeaponFieldCooldown(Local().weapons, 0, 0);
  Local().energy = 5;
  FirePlayerWeapons(flight, Local());
  EXPECT_EQ(game->world.visit.projectiles.Count(), 1);
  EXPECT_FLOAT_EQ(Local().energy, 0);
}

TEST_F(Combat, OnlyTheShipTypesSlotsFireForThePlayerButEveryFieldForAComputer) {
  const std::string four = Weapon(1) + Weapon(1) + Weapon(1) + Weapon(1);
  Local().weapons = four;  // type 1 has three slots
  PointAt(512, 100);
  FlightContext flight = Flight();
  FirePlayerWeapons(flight, Local());
  EXPECT_EQ(game->world.visit.projectiles.Count(), 3);
  EXPECT_EQ(WeaponFieldCooldown(Local().weapons, 3), 0);

  ShipRecord& computer = AddComputer(20, 1, 1000, 0, 90);
  computer.weapons = four + std::string(10, ' ') + Weapon(9);  // a blank and a broken index
  computer.speed = 10;
  game->world.visit.projectiles.Clear();
  FireComputerWeapons(flight, computer, 0);
  ASSERT_EQ(game->world.visit.projectiles.Count(), 4);
  for (const ProjectileRecord& shot : game->world.visit.projectiles) {
    EXPECT_GE(shot.heading, 90 - 5);  // heading - (random 0..10 - diff - 5)
    EXPECT_LE(shot.heading, 90 + 5);
    EXPECT_FLOAT_EQ(shot.speed, 32);
    EXPECT_EQ(shot.ownerGroup, 1);
  }
  EXPECT_EQ(WeaponFieldCooldown(computer.weapons, 3), 25);
  EXPECT_EQ(WeaponFieldCooldown(computer.weapons, 5), 0);
}

TEST_F(Combat, AMineIsLaidBehindTheShipWhateverThePointerSays) {
  Local().weapons = Weapon(3);
  Local().speed = 100;
  PointAt(512, 700);  // behind the ship: no other weapon would fire
  FlightContext flight = Flight();
  FirePlayerWeapons(flight, Local());
  ASSERT_EQ(game->world.visit.projectiles.Count(), 1);
  const ProjectileRecord& mine = *game->world.visit.projectiles.Front();
  EXPECT_EQ(mine.kind, 9);
  EXPECT_FLOAT_EQ(mine.x, 0);
  EXPECT_FLOAT_EQ(mine.y, 40);  // the first mount's distance, behind
  EXPECT_FLOAT_EQ(mine.heading, 90);
  EXPECT_FLOAT_EQ(mine.speed, 50 - 20);
  EXPECT_EQ(WeaponFieldCooldown(Local().weapons, 0), 100);
}

}  // namespace
