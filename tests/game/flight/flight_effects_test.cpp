// Particles, emitters, the background and drifting bodies.

#include <gtest/gtest.h>

#include <cmath>

#include "game/flight/emitters.h"
#include "game/flight/environment.h"
#include "game/flight/floating_objects.h"
#include "game/flight/particles.h"
#include "game/flight/system_objects.h"
#include "game/world/world_lists.h"
#include "tests/game/support/flight_parts.h"

namespace {

// Frames until the particle's life is out.
int Lifetime(ParticleRecord particle) {
  int frames = 0;
  while (particle.life > 0 && frames < 1000) {
    AgeParticle(particle);
    ++frames;
  }
  return frames;
}

ParticleRecord Particle(int sprite, float size, int alpha, float life, float speed = 0) {
  return ParticleRecord{sprite, size, 0, 0, 0, speed, alpha, life};
}

TEST(Particles, LifetimesFollowTheirSpritesRules) {
  EXPECT_EQ(Lifetime(Particle(1, 5, 255, 1)), 15);  // exhaust: alpha -15 until below 32
  EXPECT_EQ(Lifetime(Particle(1, 5, 155, 1)), 9);
  EXPECT_EQ(Lifetime(Particle(3106, 8, 199, 10)), 4);    // a trail: alpha -50
  EXPECT_EQ(Lifetime(Particle(3106, 4, 250, 10)), 3);    // size 4 - 1 a frame: below 2 after 3
  EXPECT_EQ(Lifetime(Particle(12, 30, 200, 1)), 85);     // explosion ring: alpha -2
  EXPECT_EQ(Lifetime(Particle(11, 10.1f, 255, 1)), 41);  // fire shrinks by 0.2: size below 2
  EXPECT_EQ(Lifetime(Particle(440, 20, 200, 40)), 40);
}

TEST(Particles, EntryPlasmaSpeedsUpTowardsTheDriveButDiesFirst) {
  ParticleRecord p = Particle(411, 20, 200, 43, 3);
  for (int i = 0; i < 42; ++i) AgeParticle(p);
  EXPECT_GT(p.life, 0);
  EXPECT_LT(p.speed, 225);
  AgeParticle(p);
  EXPECT_EQ(p.life, 0);
  ParticleRecord fast = Particle(431, 20, 200, 57, 850);
  AgeParticle(fast);
  EXPECT_EQ(fast.speed, 900);  // held at the red drive's cap
  ParticleRecord exit = Particle(413, 20, 200, 43, 90);
  AgeParticle(exit);
  EXPECT_NEAR(exit.speed, 90 / 1.1, 1e-3);
}

TEST(Particles, ThePassMovesAgesAndRemovesEvenOutOfSight) {
  PartsPtr<FlightParts> game = MakeParts<FlightParts>();
  AddParticle(game->world.visit.particles, {1, 5, 50000, 0, 90, 2, 60, 1});  // 2 frames left
  AddParticle(game->world.visit.particles, {14, 10, 0, 0, 0, 1, 200, 1});
  FlightContext flight = FlightOf(*game);
  RunParticles(flight);
  ASSERT_EQ(game->world.visit.particles.Count(), 2);
  EXPECT_NEAR(game->world.visit.particles.Front()->y, 2, 1e-5);
  RunParticles(flight);
  RunParticles(flight);
  EXPECT_EQ(game->world.visit.particles.Count(), 1);
}

TEST(Effects, BounceDiscsSwapsTheComponentsAlongTheLineOfCentres) {
  // Head on: a pod at rest, hit by a ship at speed 20 (passed doubled), leaves at 40 along it.
  DiscCourse course = BounceDiscs(1, 0, 0, 40, 0, 1, 30, 0, 0, 0);
  EXPECT_NEAR(course.speed, 40, 1e-4);
  EXPECT_NEAR(course.heading, 0, 1e-4);
  // Sideways: the line of centres is +y; B keeps its motion across the line and takes A's along.
  course = BounceDiscs(1, 0, 0, 10, 90, 1, 0, 30, 10, 0);
  EXPECT_NEAR(course.speed, std::sqrt(200.0), 1e-3);
  EXPECT_NEAR(course.heading, 45, 1e-3);
  // Meeting head on, both of speed 5: B turns round.
  course = BounceDiscs(1, 0, 0, 5, 0, 1, 10, 0, 5, 180);
  EXPECT_NEAR(course.speed, 5, 1e-4);
  EXPECT_NEAR(course.heading, 0, 1e-3);
}

TEST(Effects, FieldGlowsTintTheBackgroundAndFadeOverThreeThousand) {
  const FieldGlowRecord glow{0, 0, 2000, MakeColour(60, 90, 30)};
  EXPECT_EQ(FieldGlowTint(glow, 1999, 0), MakeColour(60, 90, 30));
  EXPECT_EQ(FieldGlowTint(glow, 4000, 0), MakeColour(20, 30, 10));  // a third of the way in
  EXPECT_EQ(FieldGlowTint(glow, 0, 5000), std::nullopt);
  EXPECT_EQ(FieldGlowTint(glow, 3500, 0), MakeColour(30, 45, 15));
}

TEST(Effects, DustIsMirroredRoundTheCameraAndBeamDotsLiveOneFrame) {
  PartsPtr<FlightParts> game = MakeParts<FlightParts>();
  auto& pieces = game->world.visit.environmentPieces;
  game->world.cameraX = 10000;
  game->world.cameraY = 10000;
  AddEnvironmentPiece(pieces, {1002, 0.8f, 11700, 10000, 30, 0, 0, 0, 1});
  AddEnvironmentPiece(pieces, {1021, 20, 11700, 10000, 30, 0, 0, 0, 0.7f});  // a gas cloud
  AddEnvironmentPiece(pieces, {43, 2, 10100, 10000, 50, 0, 0, 0, 1});
  FlightContext flight = FlightOf(*game);
  RunEnvironmentPieces(flight);
  ASSERT_EQ(pieces.Count(), 2);
  EXPECT_EQ(pieces.Front()->x, 8300);
  EXPECT_EQ((++pieces.begin())->x, 11700);
  EXPECT_EQ(game->world.flight.piecesNearby, 3);
}

TEST(Effects, RocksOutOfViewBreakUpPodsDriftOn) {
  PartsPtr<FlightParts> game = MakeParts<FlightParts>();
  auto& objects = game->world.visit.floatingObjects;
  AddFloatingObject(objects, {3911, 2, 3, 10, 1500, 0, 0, 10, 0, 1000});
  AddFloatingObject(objects, {1011, 0, 0, 10, 1500, 0, 0, 10, 0, 1000});
  AddFloatingObject(objects, {1012, 0, 0, 10, 500, 0, 0, 10, 0, 2});
  FlightContext flight = FlightOf(*game);
  RunFloatingObjects(flight);
  ASSERT_EQ(objects.Count(), 2);
  const FloatingObjectRecord& pod = *objects.Front();
  EXPECT_EQ(pod.type, 3911);
  EXPECT_EQ(pod.x, 1501);  // speed 10: 1 unit a frame
  EXPECT_EQ(pod.life, 999);
  EXPECT_EQ(game->world.visit.particles.Count(), 20);
  RunFloatingObjects(flight);  // the rock in view runs out of life
  EXPECT_EQ(objects.Count(), 1);
  EXPECT_EQ(game->world.visit.particles.Count(), 40);
}

TEST(Effects, ShipsAndStationsDeflectDriftersAndPlanetsCrushThem) {
  PartsPtr<FlightParts> game = MakeParts<FlightParts>();
  ShipRecord ship = TestShip(10, 1, 0, 0, 0);
  ship.speed = 20;
  AddShip(game->world.ships, ship);
  auto& objects = game->world.visit.floatingObjects;
  AddFloatingObject(objects, {3901, 1, 1, 10, 30, 0, 0, 0, 0, 0});  // in the shield's reach
  AddSystemObject(game->world.visit.systemObjects, TestObject(4240, 400, 1000, -900, 700));
  AddFloatingObject(objects, {1031, 0, 0, 10, -400, 400, 0, 0, 0, 0});  // inside 0.9 x 1000
  FlightContext flight = FlightOf(*game);
  RunFloatingObjects(flight);
  ASSERT_EQ(objects.Count(), 1);
  const FloatingObjectRecord& pod = *objects.Front();
  EXPECT_NEAR(pod.speed, 40, 1e-3);
  EXPECT_NEAR(pod.heading, 0, 1e-3);
  EXPECT_NEAR(pod.x, 30 + 1 + 4, 1e-3);  // pushed out to 1.3 x 24, then one step of 4
}

TEST(Effects, LanesInUseStreamPlasmaAndShipsPuffExhaust) {
  PartsPtr<FlightParts> game = MakeParts<FlightParts>();
  DimensionCatalogues(game->catalogues);
  ShipRecord ship = TestShip(10, 1, 0, 0, 0);
  ship.speed = 100;
  AddShip(game->world.ships, ship);
  AddSystemObject(game->world.visit.systemObjects, TestObject(4022, 500, 128, 300, 0));
  AddSystemObject(game->world.visit.systemObjects, TestObject(4012, 600, 128, 300, 0));
  FlightContext flight = FlightOf(*game);
  for (int i = 0; i < 60; ++i) RunSystemObjects(flight);
  EXPECT_EQ(game->world.visit.particles.Count(), 0);  // nobody bound to them
  game->world.ships.Front()->dockTarget = 500;
  for (int i = 0; i < 60; ++i) RunSystemObjects(flight);
  int glows = 0, streams = 0;
  for (const ParticleRecord& p : game->world.visit.particles) {
    if (p.sprite == 421) ++glows;
    if (p.sprite == 422) ++streams;
    EXPECT_TRUE(p.sprite == 421 || p.sprite == 422) << p.sprite;
  }
  EXPECT_GT(glows, 10);
  EXPECT_GT(streams, 20);
  EXPECT_EQ(game->world.visit.systemObjects.Front()->bound, 1);

  game->world.visit.particles.Clear();
  for (int i = 0; i < 20; ++i) EmitExhaust(flight, *game->world.ships.Front());
  EXPECT_GT(game->world.visit.particles.Count(), 40);  // 2 x 13 chances of 1 in 4 a frame
  for (const ParticleRecord& p : game->world.visit.particles) EXPECT_EQ(p.sprite, 1);
}

}  // namespace
