// Suns, planets, stations and radiation fields against ships; the loss of a ship.

#include <gtest/gtest.h>

#include <cmath>

#include "game/flight/system_objects.h"
#include "game/world/world_lists.h"
#include "tests/game/support/flight_parts.h"

namespace {

class Hazards : public testing::Test {
 protected:
  void SetUp() override {
    game = MakeParts<FlightParts>();
    AddShip(game->world.ships, TestShip(10, 1, 50000, 50000, 0));
    game->world.launchX = 100;
    game->world.launchY = 200;
    game->world.launchHeading = 270;
  }
  // A body whose reach (its radius + the ship's 24) is 1000, and a ship at distance d from it.
  ShipRecord& Setup(int type, int d, bool local = false) {
    AddSystemObject(game->world.visit.systemObjects, TestObject(type, 300, 976, 0, 0));
    if (local) {
      ShipRecord& ship = *game->world.ships.Front();
      ship.x = static_cast<float>(d);
      ship.y = 0;
      return ship;
    }
    game->world.ships.First();
    return AddShip(game->world.ships, TestShip(20, 0, static_cast<float>(d), 0, 0));
  }
  void Pass() {
    FlightContext flight = FlightOf(*game);
    flight.drawing = false;
    RunSystemObjects(flight);
  }
  PartsPtr<FlightParts> game;
};

TEST_F(Hazards, PlanetsBurnFromOnePointZeroFiveOfTheReachAndCrushInsideNineTenths) {
  ShipRecord& ship = Setup(4210, 1050);
  Pass();
  EXPECT_EQ(ship.hull, 120);  // exactly at 1.05 x 1000: untouched
  ship.x = 1049;
  Pass();
  EXPECT_NEAR(ship.hull, 120 - 1.0 / 1049, 1e-4);
  EXPECT_EQ(game->world.flight.heatWarning, 0);  // only the local ship raises the warning
  ship.x = 901;
  Pass();
  EXPECT_NEAR(ship.hull, 120 - 1.0 / 1049 - 149.0 / 901, 1e-3);
  ship.x = 899;
  Pass();
  EXPECT_EQ(game->world.ships.Count(), 1);  // crushed: the computer ship is gone
  EXPECT_GE(game->world.visit.particles.Count(), 190);
}

TEST_F(Hazards, SunsBurnFromOnePointFive) {
  ShipRecord& ship = Setup(4310, 1500, true);
  Pass();
  EXPECT_EQ(ship.hull, 120);
  EXPECT_EQ(game->world.flight.heatWarning, 0);
  ship.x = 1499;
  Pass();
  EXPECT_NEAR(ship.hull, 120 - 1.0 / 1499, 1e-4);
  EXPECT_EQ(game->world.flight.heatWarning, 1);
  EXPECT_EQ(ship.shield, 100);  // heat goes past the shield
  ship.x = 2000;
  Pass();
  EXPECT_EQ(game->world.flight.heatWarning, 0);  // recomputed every frame
}

TEST_F(Hazards, TheLocalShipBurntUpRespawnsAtItsLaunchPointAndDocks) {
  ShipRecord& ship = Setup(4310, 1200, true);
  ship.hull = 0.1f;
  ship.weapons = "1    0    2    0    3    0    4    0    ";
  ship.cargo = "1    5    ";
  ship.dockTarget = 300;
  Pass();
  EXPECT_EQ(game->world.ships.Count(), 1);
  EXPECT_EQ(ship.x, 100);
  EXPECT_EQ(ship.y, 200);
  EXPECT_EQ(ship.heading, 270);
  EXPECT_EQ(game->world.cameraX, 100);
  EXPECT_EQ(ship.hull, 120);
  EXPECT_EQ(ship.speed, 10);
  EXPECT_EQ(ship.dockTarget, -1);
  EXPECT_EQ(ship.cargo, "");
  EXPECT_EQ(ship.weapons, "");  // the test catalogue gives its ships no slots
  EXPECT_EQ(game->world.docking.dockedRequest, 1);
  int dust = 0;
  for (const EnvironmentPieceRecord& piece : game->world.visit.environmentPieces) {
    EXPECT_EQ(piece.type, 1003);
    EXPECT_LE(std::abs(piece.x - 100) + std::abs(piece.y - 200), 3200);
    ++dust;
  }
  EXPECT_GT(dust, 120);  // 200 scattered in the square, those in the circle kept
}

TEST_F(Hazards, StationsAreSolidAndPushShipsOut) {
  ShipRecord& ship = Setup(4101, 990);
  ship.speed = 40;
  Pass();
  EXPECT_FLOAT_EQ(ship.shield, 99);
  EXPECT_EQ(ship.hull, 120);
  EXPECT_NEAR(ship.x, 1000, 1e-4);
  ship.x = 980;
  ship.shield = 0;
  Pass();
  EXPECT_FLOAT_EQ(ship.hull, 118);
  EXPECT_NEAR(ship.x, 1000, 1e-4);
  ship.x = 999;
  ship.shield = 0.5f;  // beaten below 0: down for 100 frames
  Pass();
  EXPECT_EQ(ship.shield, 0);
  EXPECT_EQ(ship.shieldDownTimer, 100);
}

TEST_F(Hazards, RadiationFieldsEatHullsAndRingsAndLanesAreFlownThrough) {
  ShipRecord& ship = Setup(4000, 500, true);
  Pass();
  EXPECT_NEAR(ship.hull, 120 - 500.0 / 500, 1e-4);
  EXPECT_EQ(game->world.flight.fieldWarning, 1);
  game->world.visit.systemObjects.Clear();
  ShipRecord& other = Setup(4100, 10);
  Setup(4013, 10);
  Pass();
  EXPECT_EQ(other.hull, 120);
  EXPECT_EQ(other.x, 10);
}

}  // namespace
