// The motion step, the docking autopilot, the drives and the player's keys.

#include <gtest/gtest.h>

#include <cmath>

#include "formats/file_io.h"
#include "game/flight/drive.h"
#include "game/flight/motion.h"
#include "game/flight/player_pass.h"
#include "game/media/scan_codes.h"
#include "game/world/world_lists.h"
#include "tests/game/support/fixture_files.h"
#include "tests/game/support/flight_parts.h"

namespace {

class Drive : public testing::Test {
 protected:
  void SetUp() override {
    game = MakeParts<FlightParts>();
    AddShip(game->world.ships, TestShip(10, 1, 0, 0, 0));
  }
  ShipRecord& Local() { return *game->world.ships.Front(); }
  void AddObject(const SystemObjectRecord& object) {
    AddSystemObject(game->world.visit.systemObjects, object);
  }
  // One player pass with these keys held (and released the frame after).
  void PlayerFrame(std::initializer_list<int> held) {
    for (int key : held) InjectKey(game->media, key, true);
    ReadKeyboard(game->media);
    FlightContext flight = FlightOf(*game);
    RunLocalShipPass(flight);
  }
  void ReleaseAll(std::initializer_list<int> keys) {
    for (int key : keys) InjectKey(game->media, key, false);
  }

  PartsPtr<FlightParts> game;
};

TEST_F(Drive, AutopilotLocksOnlyWhenAlignedWithinThreeDegrees) {
  AddObject(TestObject(4100, 500, 128, 2, 0, 90));
  ShipRecord& ship = Local();
  ship.dockTarget = 500;
  ship.heading = 87;  // 3 off: turns in place
  ship.speed = 8;
  FlightContext flight = FlightOf(*game);
  RunDockingAutopilot(flight, ship);
  EXPECT_EQ(ship.driveSpeed, 0);
  EXPECT_EQ(ship.speed, 0);
  EXPECT_FLOAT_EQ(ship.turnRate, 3.0f / 10 + 4);

  ship.heading = 87.5f;
  RunDockingAutopilot(flight, ship);
  EXPECT_EQ(ship.heading, 90);
  EXPECT_EQ(ship.driveSpeed, 1);
  EXPECT_FLOAT_EQ(ship.driveFactor, 1.05f);
  EXPECT_EQ(ship.speed, 5);
  EXPECT_EQ(game->frame.screenFade, -255);  // the local ship fades out into the ring
}

TEST_F(Drive, LaneEntriesLaunchByLevelAndTheAutopilotSteersTowardsFarTargets) {
  AddObject(TestObject(4031, 600, 128, 0, 3, 45));
  AddObject(TestObject(4100, 700, 128, 0, -1000, 0));
  ShipRecord& ship = Local();
  ship.dockTarget = 600;
  ship.heading = 44;
  FlightContext flight = FlightOf(*game);
  RunDockingAutopilot(flight, ship);
  EXPECT_FLOAT_EQ(ship.driveFactor, 1.13f);
  EXPECT_EQ(game->frame.screenFade, 0);

  ShipRecord& other = AddShip(game->world.ships, TestShip(20, 0, 0, 0, 0));
  other.dockTarget = 700;  // straight "left" of heading 0: turn towards -90
  RunDockingAutopilot(flight, other);
  EXPECT_FLOAT_EQ(other.turnRate, -90.0f / 10 - 4);
  EXPECT_EQ(other.speed, 1);  // wanted 1000 / 10 - 90 / 20 + 10, far above
  other.dockTarget = 12345;   // no such object (left behind in another system)
  RunDockingAutopilot(flight, other);
  EXPECT_EQ(other.dockTarget, -1);
}

TEST(Motion, LevelThreeDriveGrowsByOnePointOneThreeAndIsHeldAtTwoThousand) {
  ShipRecord ship = TestShip(10, 1, 0, 0, 0);
  ship.driveSpeed = 1;
  ship.driveFactor = 1.13f;
  double expected = 1;
  int frames = 0;
  while (ship.driveFactor != 1.0f && frames < 200) {
    const float before = ship.x;
    MotionStep(ship, 1);
    expected *= 1.13f;
    ++frames;
    if (ship.driveFactor != 1.0f) {
      EXPECT_NEAR(ship.driveSpeed, expected, expected * 1e-4);
      EXPECT_NEAR(ship.x - before, ship.driveSpeed * 0.2, 0.01 + ship.x * 1e-6);
    }
  }
  EXPECT_EQ(frames, 63);  // 1.13^63 > 2000 > 1.13^62
  EXPECT_EQ(ship.driveSpeed, 2000);
  MotionStep(ship, 1);
  EXPECT_EQ(ship.driveSpeed, 2000);
}

TEST(Motion, TurnDecaysBeforeItTurnsAndTheDriveBlocksTurning) {
  ShipRecord ship = TestShip(10, 1, 0, 0, 10);
  ship.agility = 1;
  ship.turnRate = 45;
  MotionStep(ship, 1);
  EXPECT_NEAR(ship.heading, 10.405, 1e-4);
  ship.turnRate = 0.21f;  // decays to 0.189, below 0.2: no turn at all
  MotionStep(ship, 1);
  EXPECT_EQ(ship.turnRate, 0);
  EXPECT_NEAR(ship.heading, 10.405, 1e-4);
  ship.turnRate = -45;
  ship.driveSpeed = 1;
  ship.driveFactor = 1.05f;
  MotionStep(ship, 1);
  EXPECT_NEAR(ship.heading, 10.405, 1e-4);
  ship.heading = 359.9f;
  ship.driveSpeed = 0;
  ship.turnRate = 45;
  MotionStep(ship, 1);
  EXPECT_NEAR(ship.heading, 0.305, 1e-3);  // past 360 it wraps
}

TEST_F(Drive, AfterburnerAddsSeventyWhileHeldAndTheEnergyLasts) {
  ShipRecord& ship = Local();
  ship.speed = 110;  // at the top speed W adds nothing
  PlayerFrame({kKeyW});
  EXPECT_EQ(ship.speed, 110);
  PlayerFrame({kKeyW, kKeyV});
  EXPECT_EQ(ship.speed, 180);  // +70 at once
  ship.speed = 150;
  for (int i = 0; i < 40; ++i) PlayerFrame({kKeyW, kKeyV});
  EXPECT_EQ(ship.speed, 180);  // W climbs to 110 + 70 and stops
  ReleaseAll({kKeyV});
  PlayerFrame({kKeyW});
  EXPECT_EQ(ship.speed, 110);  // the 70 goes at once, even above the top speed
  ReleaseAll({kKeyW});

  ship.energy = 1;  // exactly 1 does not start it
  PlayerFrame({kKeyV});
  EXPECT_EQ(game->world.flight.afterburner, 0);
  EXPECT_EQ(ship.speed, 110);
  ReleaseAll({kKeyV});

  ship.energy = 3;  // runs out while held: exhausted until V is let go
  PlayerFrame({kKeyV});
  PlayerFrame({kKeyV});
  EXPECT_EQ(game->world.flight.afterburner, 1);
  PlayerFrame({kKeyV});
  EXPECT_EQ(game->world.flight.afterburner, -1);
  EXPECT_EQ(ship.speed, 110);
  ship.speed = 30;
  PlayerFrame({kKeyV, kKeyW});
  EXPECT_EQ(ship.speed, 32);  // the limit of W is now 110 - 70
  PlayerFrame({kKeyV, kKeyW});
  EXPECT_EQ(ship.speed, 34);
  ship.speed = 40;
  PlayerFrame({kKeyV, kKeyW});
  EXPECT_EQ(ship.speed, 40);
  ReleaseAll({kKeyV, kKeyW});

  // Braked to a stand with the boost on, the ship stands when V is let go (not 70 backwards).
  ship.energy = 200;
  ship.speed = 0;
  PlayerFrame({kKeyV});
  for (int i = 0; i < 40; ++i) PlayerFrame({kKeyV, kKeyS});
  EXPECT_EQ(ship.speed, 0);
  ReleaseAll({kKeyV, kKeyS});
  PlayerFrame({});
  EXPECT_EQ(ship.speed, 0);
}

TEST_F(Drive, KeysDoNothingWhileADriveHoldsTheShip) {
  ShipRecord& ship = Local();
  ship.speed = 20;
  ship.driveSpeed = 1;
  ship.driveFactor = 1.05f;
  PlayerFrame({kKeyW, kKeyV, kKeyA, kKeyB});
  EXPECT_EQ(ship.speed, 20);
  EXPECT_EQ(ship.x, 0);
  EXPECT_EQ(ship.tractorTimer, -1);
  ReleaseAll({kKeyW, kKeyV, kKeyA, kKeyB});
  ship.driveSpeed = 0;
  ship.driveFactor = 1;
  PlayerFrame({kKeyS, kKeyD});
  EXPECT_EQ(ship.speed, 18);
  EXPECT_NEAR(ship.y, 3, 1e-5);  // D strafes to the right of heading 0: +y
  EXPECT_NEAR(ship.x, 0, 1e-5);
}

TEST_F(Drive, SpaceTogglesSteeringByThePointer) {
  ShipRecord& ship = Local();
  InjectMouseMove(game->media, 900, 612);
  ReadMouse(game->media);
  PlayerFrame({kKeySpace});
  EXPECT_EQ(ship.turnRate, 0);  // Space acts when released
  ReleaseAll({kKeySpace});
  PlayerFrame({});
  EXPECT_EQ(game->world.flight.mouseSteering, 1);
  EXPECT_EQ(ship.turnRate, 45);
}

TEST_F(Drive, DigitKeysRecordRoutePointsAndF9AndUAct) {
  FixtureFolder folder;
  game->folder = folder.path;
  std::filesystem::create_directories(folder.path / "INI");
  game->world.visit.currentSystemX = 100000;
  game->world.visit.currentSystemY = 0;
  ShipRecord& ship = Local();
  ship.x = 112345.6f;
  ship.y = 2000.4f;
  PlayerFrame({kKey1, kKey2});
  ReleaseAll({kKey1, kKey2});
  PlayerFrame({});
  PlayerFrame({kKey0, kKeyF9});
  ReleaseAll({kKey0, kKeyF9});
  PlayerFrame({});
  const auto text = ReadFileBytes(folder.path / "INI" / "Routenpunkte.txt");
  ASSERT_TRUE(text);
  EXPECT_EQ(*text,
            "     12346      2000    1\r\n"
            "     12346      2000    2\r\n"
            "     12346      2000    0\r\n");
  EXPECT_EQ(game->world.developerInfo, 1);

  // U enters the system the ship is in anew (no universe here: only the ship and its dust).
  AddSystemObject(game->world.visit.systemObjects, TestObject(4100, 500, 128, 0, 0));
  PlayerFrame({kKeyU});
  ReleaseAll({kKeyU});
  PlayerFrame({});
  EXPECT_EQ(game->world.visit.systemObjects.Count(), 0);
  EXPECT_GT(game->world.visit.environmentPieces.Count(), 100);
}

}  // namespace
