// Projectiles: flight in sub-steps, hits on shields and hulls, the groups a player's shot angers,
// kills and the player's standing, losses, drops and the pick-up.

#include <gtest/gtest.h>

#include "formats/group_catalogue.h"
#include "game/flight/pickup.h"
#include "game/flight/projectiles.h"
#include "game/flight/ship_damage.h"
#include "game/world/attitudes.h"
#include "game/world/missions.h"
#include "game/world/world_lists.h"
#include "tests/game/support/flight_parts.h"

namespace {

class Projectiles : public Combat {
 protected:
  ProjectileRecord& Shoot(float x, float y, float heading, float speed, int ownerGroup = 0,
                          int hull = 10, int shield = 8) {
    game->world.visit.projectiles.Reset();
    while (game->world.visit.projectiles.Next()) {
    }
    return AddProjectile(game->world.visit.projectiles, {.sprite = 3001,
                                                         .kind = 1,
                                                         .ownerId = 10,
                                                         .ownerGroup = ownerGroup,
                                                         .radius = 8,
                                                         .x = x,
                                                         .y = y,
                                                         .heading = heading,
                                                         .speed = speed,
                                                         .travelled = 0,
                                                         .range = 900,
                                                         .homing = 0,
                                                         .hullDamage = hull,
                                                         .shieldDamage = shield});
  }
  void Pass(ShipSearch search = ShipSearch::kGrid) {
    FlightContext flight = Flight();
    RunProjectiles(flight, search);
  }
  float Standing(int g) const { return GroupRelation(game->world.groups, 0, g); }
  void Far() {  // the camera far from the fight: no bodies, no trails, no drawing
    game->world.cameraX = 50000;
    game->world.cameraY = 50000;
  }
};

TEST_F(Projectiles, AShieldTakesEveryHitAndTheHullNone) {
  Far();
  ShipRecord& ship = AddComputer(20, 1, 100, 0);
  ship.shield = 1;
  Shoot(60, 0, 0, 30, 2, 1000, 1000);
  Pass();
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);  // spent on the shield
  EXPECT_FLOAT_EQ(ship.hull, 120);
  EXPECT_FLOAT_EQ(ship.shield, 0);
  EXPECT_EQ(ship.shieldDownTimer, 100);
  ASSERT_EQ(ship.impacts.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(ship.impacts[0]), 45);  // bearing 180 / 2 - 45
  EXPECT_EQ(static_cast<unsigned char>(ship.impacts[1]), 250);
  EXPECT_EQ(ship.group, 1);  // a computer's shot angers nobody

  // With the shield down the next shot goes to the hull, from nearer in (0.9 instead of 1.3 R).
  Shoot(60, 0, 0, 30, 2);
  Pass();
  EXPECT_FLOAT_EQ(ship.hull, 110);
  EXPECT_FLOAT_EQ(ship.shield, 0);
}

TEST_F(Projectiles, AFastShotHitsAnywhereOnItsSubSteps) {
  Far();
  // Speed 35: 5 sub-steps of 7. A small ship 8 beside any of the five points is hit from there
  // (0.9 x 1 + 8 = 8.9) and from no other point (at least 10.6 away).
  for (int k = 1; k <= 5; ++k) {
    ShipRecord& ship = AddComputer(20 + k, 2, 7.0f * k, 8);
    ship.radius = 1;
    ship.shield = 0;
    Shoot(0, 0, 0, 35, 1);
    Pass();
    EXPECT_FLOAT_EQ(ship.hull, 110) << k;
    EXPECT_EQ(game->world.visit.projectiles.Count(), 0) << k;
    ship.x = 50000;  // out of the way of the next shot
  }
  // Past the last sub-step it is not.
  ShipRecord& beyond = AddComputer(30, 2, 50, 0);
  beyond.radius = 2;
  beyond.shield = 0;
  ProjectileRecord& shot = Shoot(0, 0, 0, 35, 1);
  Pass();
  EXPECT_FLOAT_EQ(beyond.hull, 120);
  EXPECT_FLOAT_EQ(shot.x, 35);
  EXPECT_EQ(shot.travelled, 35);
}

TEST_F(Projectiles, APlayersShotAngersTheGroupsItPassesCloseToWithoutAHit) {
  Far();
  // Broad box: 2 x 24 + 8 = 56 either way; a hit needs 1.3 x 24 + 8 = 39.2.
  ShipRecord& passed = AddComputer(20, 1, 30, 50);
  ShipRecord& far = AddComputer(21, 3, 30, 60);
  ShipRecord& angry = AddComputer(22, 104, 30, -50);
  ShipRecord& player = AddComputer(23, 0, 20, 45);  // another player's ship in a network game
  player.controller = 2;
  Shoot(0, 0, 0, 30);
  Pass();
  EXPECT_EQ(player.group, 0);
  EXPECT_EQ(passed.group, 101);
  EXPECT_FLOAT_EQ(passed.shield, 100);
  EXPECT_EQ(far.group, 3);
  EXPECT_EQ(angry.group, 104);  // already angered
  EXPECT_EQ(game->world.visit.projectiles.Count(), 1);
}

TEST_F(Projectiles, KillingAnAngeredShipCostsTheStandingWithItsGroup) {
  Far();
  ShipRecord& ship = AddComputer(20, 101, 40, 0);
  ship.shield = 0;
  ship.hull = 5;
  ship.weapons = Weapon(2);
  Shoot(0, 0, 0, 30);
  Pass();
  EXPECT_EQ(game->world.ships.Count(), 1);
  // A: -0.03, and again through A's own 1; its friend C follows, its enemy B moves the other way,
  // D (A is indifferent to it) does not move.
  EXPECT_NEAR(Standing(1), -0.06, 1e-6);
  EXPECT_NEAR(Standing(3), -0.018, 1e-6);
  EXPECT_NEAR(Standing(2), 0.027, 1e-6);
  EXPECT_FLOAT_EQ(Standing(4), 0);
  EXPECT_FLOAT_EQ(Standing(101), -1);
  EXPECT_GE(game->world.visit.particles.Count(), 190);  // the explosion

  // At -0.99 the next kill sets -1, not -1.02; a mission ship counts for its group too.
  SetRelation(game->world, 0, 2, -0.99f);
  ShipRecord& target = AddComputer(30, 202, 40, 0);
  target.shield = 0;
  target.hull = 1;
  Shoot(0, 0, 0, 30);
  Pass();
  EXPECT_FLOAT_EQ(Standing(2), -1);

  // Kills by other groups' shots change no standing.
  const float before = Standing(1);
  ShipRecord& other = AddComputer(40, 1, 40, 0);
  other.shield = 0;
  other.hull = 1;
  Shoot(0, 0, 0, 30, 2);
  Pass();
  EXPECT_EQ(game->world.ships.Count(), 1);
  EXPECT_FLOAT_EQ(Standing(1), before);
}

TEST_F(Projectiles, TheGridFindsTheSameHitsAsAWalkOverEveryShip) {
  Far();
  // Two ships in one shot's path: both are tested in list order within the sub-step, the second
  // already hit by a shot that was spent on the first.
  for (const ShipSearch search : {ShipSearch::kEveryShip, ShipSearch::kGrid}) {
    game->world.ships.Clear();
    AddShip(game->world.ships, TestShip(10, 1, 0, 0, 270));
    ShipRecord& first = AddComputer(20, 1, 40, 0);
    ShipRecord& second = AddComputer(21, 1, 40, 3);
    first.shield = second.shield = 0;
    first.hull = 1;
    Shoot(0, 0, 0, 30, 2);
    Pass(search);
    EXPECT_EQ(game->world.ships.Count(), 2);
    EXPECT_EQ(game->world.ships.Front()->id, 10);
    EXPECT_FLOAT_EQ(second.hull, 110);
  }
}

TEST_F(Projectiles, NearTheCameraShotsBurstDriftingBodiesAndStopAtStations) {
  AddFloatingObject(game->world.visit.floatingObjects,
                    {.type = 3911, .item = 2, .amount = 3, .radius = 10, .x = 300, .y = 0});
  AddSystemObject(game->world.visit.systemObjects, TestObject(4101, 500, 100, 0, 300));
  Shoot(0, 100, 90, 30, 2);
  Shoot(270, 0, 0, 30, 2);
  Pass();
  EXPECT_EQ(game->world.visit.floatingObjects.Count(), 0);
  EXPECT_EQ(game->world.visit.projectiles.Count(), 1);  // the other goes on towards the station
  int fire = 0;
  for (const ParticleRecord& p : game->world.visit.particles) fire += p.sprite == 11;
  EXPECT_EQ(fire, 20);  // a pod bursts into fire
  Pass();
  Pass();
  EXPECT_EQ(game->world.visit.projectiles.Count(), 1);  // 110 from the station's centre
  Pass();
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);  // inside 0.9 x 100 of it

  // Far from the camera shots pass through bodies.
  Far();
  AddFloatingObject(game->world.visit.floatingObjects,
                    {.type = 1011, .radius = 10, .x = 300, .y = 0, .life = 1000});
  Shoot(270, 0, 0, 30, 2);
  Pass();
  EXPECT_EQ(game->world.visit.floatingObjects.Count(), 1);
}

TEST_F(Projectiles, RocketsExplodeAtTheEndOfTheirRangeAndHomingTurnsToTheSelection) {
  Far();
  AddComputer(20, 1, 0, 1000);
  game->world.flight.selectedObject = 20;
  ProjectileRecord& rocket = Shoot(0, 0, 0, 20, 2);
  rocket.kind = 7;
  rocket.homing = 3;
  rocket.range = 100;
  Pass();
  // Homing turns by 3 towards the selection in one frame of three on average.
  float heading = rocket.heading;
  EXPECT_TRUE(heading == 0 || heading == 3);
  for (int i = 0; i < 3; ++i) Pass();
  EXPECT_EQ(game->world.visit.projectiles.Count(), 1);
  Pass();  // 100 flown
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);
  EXPECT_EQ(game->world.visit.particles.Count(), 40);
}

TEST_F(Projectiles, AMineLaidFasterThanItFliesDriftsBackwardsAndStillEnds) {
  Far();
  ProjectileRecord& mine = Shoot(0, 0, 90, -20, 0);
  mine.kind = 9;
  mine.range = 100;
  Pass();
  EXPECT_NEAR(mine.y, -20, 1e-3);  // backwards along its heading
  EXPECT_EQ(mine.travelled, 20);
  for (int i = 0; i < 4; ++i) Pass();
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);
}

TEST_F(Projectiles, TheLocalShipLostRespawnsAndItsMissionEnds) {
  Far();
  game->world.launchX = 500;
  game->world.launchY = 600;
  game->world.launchHeading = 90;
  ShipRecord& local = Local();
  local.x = 50000;
  local.y = 50000;
  local.shield = 0;
  local.hull = 1;
  local.weapons = Weapon(1) + Weapon(2) + Weapon(1) + Weapon(3);
  local.cargo = "2    4    ";
  local.orders = MissionMarker(70000, 10000);
  game->world.pendingReward.amount = 2200;
  AddComputer(20, 203, 60000, 60000);
  AddComputer(30, 1, 61000, 60000);
  ProjectileRecord& shot = Shoot(49960, 50000, 0, 30, 2);
  shot.ownerId = 30;
  Pass();
  EXPECT_EQ(game->world.ships.Count(), 2);  // the mission's ship is gone, the other stays
  EXPECT_EQ(game->world.ships.Front(), &local);
  EXPECT_FLOAT_EQ(local.x, 500);
  EXPECT_FLOAT_EQ(local.y, 600);
  EXPECT_FLOAT_EQ(local.heading, 90);
  EXPECT_FLOAT_EQ(local.hull, 120);
  EXPECT_FLOAT_EQ(local.shield, 100);
  EXPECT_EQ(local.weapons.size(), 30u);  // cut to the three slots
  EXPECT_EQ(local.cargo, "");
  EXPECT_EQ(local.orders, "");
  EXPECT_EQ(game->world.pendingReward.amount, 0);
  EXPECT_EQ(game->world.docking.dockedRequest, 1);
  EXPECT_FLOAT_EQ(game->world.cameraX, 500);
  int dust = 0;
  for (const EnvironmentPieceRecord& piece : game->world.visit.environmentPieces) {
    dust += piece.type == 1003;
  }
  EXPECT_GT(dust, 100);
}

TEST_F(Projectiles, AShipDropsPodsOnlyOfWhatItCarried) {
  FlightContext flight = Flight();
  for (int i = 0; i < 30; ++i) {
    ShipRecord& empty = AddComputer(20 + i, 1, 0, 0);
    DestroyShip(flight, empty);
  }
  EXPECT_EQ(game->world.visit.floatingObjects.Count(), 0);
  for (int i = 0; i < 30; ++i) {
    ShipRecord& armed = AddComputer(100 + i, 1, 0, 0);
    armed.weapons = Weapon(4);
    DestroyShip(flight, armed);
  }
  ASSERT_GT(game->world.visit.floatingObjects.Count(), 5);
  for (const FloatingObjectRecord& pod : game->world.visit.floatingObjects) {
    EXPECT_EQ(pod.type, 3901);
    EXPECT_EQ(pod.item, 4);
    EXPECT_EQ(pod.amount, 1);
    EXPECT_EQ(pod.life, 1000);
    EXPECT_LE(std::abs(pod.x), 50);
  }
}

TEST_F(Projectiles, TheTractorCollectsEveryPodWithinAThousandWhenItsTimerReachesZero) {
  auto pod = [&](int type, int item, int amount, float x) {
    AddFloatingObject(game->world.visit.floatingObjects,
                      {.type = type, .item = item, .amount = amount, .radius = 10, .x = x});
  };
  pod(3901, 2, 1, 500);  // taken first: the pod after it is not passed over
  pod(3912, 7, 4, -300);
  pod(1011, 0, 0, 10);  // a rock stays
  pod(3913, 5, 2, 999);
  pod(3911, 7, 1, 0);
  pod(3911, 5, 1, 1000);  // too far
  Local().cargo = "5    3    ";
  FlightContext flight = Flight();
  Local().tractorTimer = 2;
  CollectPods(flight, Local());
  EXPECT_EQ(game->world.visit.floatingObjects.Count(), 6);
  Local().tractorTimer = 0;
  CollectPods(flight, Local());
  EXPECT_EQ(game->world.visit.floatingObjects.Count(), 2);
  EXPECT_EQ(Local().weapons, Weapon(1) + Weapon(2));
  EXPECT_EQ(Local().cargo, "5    5    7    5    ");
}

}  // namespace
