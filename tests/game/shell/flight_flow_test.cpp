// Flying the sample universe as a player: real keys and clicks, frame by frame, through flight and
// the station screens it opens. (Longer flights from the start are scripts in tests/scripts.)

#include <gtest/gtest.h>

#include <cmath>

#include "flight_fixture.h"
#include "formats/angles.h"
#include "game/media/scan_codes.h"
#include "game/shell/frame_loop.h"
#include "game/world/geometry.h"

namespace {

class FlightFlow : public testing::Test {
 protected:
  void SetUp() override { run.StartInFlight(); }

  // Clicks the object on the screen and presses Left Ctrl, as a player asks to dock or launch.
  void SelectAndRequest(const SystemObjectRecord& object, int frame) {
    int x = 0, y = 0;
    ASSERT_TRUE(run.ScreenPoint(object, x, y));
    ASSERT_TRUE(x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight) << x << ", " << y;
    run.Click(frame, x, y);
    run.Tap(frame + 4, kKeyLeftCtrl);
  }

  // Puts the ship 300 units before a lane entry, facing along the lane.
  void BeforeEntry(const SystemObjectRecord& entry) {
    run.PlaceShip(entry.x - 300 * float(CosDeg(entry.angle)),
                  entry.y - 300 * float(SinDeg(entry.angle)), entry.angle);
  }

  SampleFlight run;
};

// Right after the launch the ring lies just behind the ship: the autopilot must turn in, not
// circle.
TEST_F(FlightFlow, ClickingTheStartRingAndCtrlDocksThereAgain) {
  const SystemObjectRecord* ring = run.Object("Planet Neue Allianz - Andockring", 4100);
  ASSERT_NE(ring, nullptr);
  SelectAndRequest(*ring, 2);
  bool fading = false;
  for (int frame = 2; frame < 300; ++frame) {
    run.At(frame, [&] { fading = fading || run.game->frame.screenFade < 0; });
  }
  run.Run(400);
  EXPECT_EQ(run.game->world.flight.selectedObject, ring->id);
  EXPECT_TRUE(fading);
  EXPECT_EQ(run.Title(), "Willkommen auf Planet Neue Allianz");
  EXPECT_EQ(run.game->world.docking.dockedPlace, "Planet Neue Allianz");
  EXPECT_LT(RoundedDistance(run.game->world.launchX, run.game->world.launchY, ring->x, ring->y),
            80);
  EXPECT_FLOAT_EQ(run.game->world.launchHeading, 270);  // the ring's way in, turned round
  EXPECT_EQ(run.Ship().speed, 10);
  EXPECT_EQ(run.Ship().dockTarget, -1);
}

TEST_F(FlightFlow, AGreenLaneLeadsIntoTheNeighbouringSystem) {
  const SystemObjectRecord* entry = run.Object("-> Alpha 23", 4021);
  ASSERT_NE(entry, nullptr);
  BeforeEntry(*entry);
  SelectAndRequest(*entry, 2);
  int plasma = 0;
  run.At(150, [&] { plasma = run.game->world.visit.particles.Count(); });
  run.Run(600);
  EXPECT_GT(plasma, 50);  // the lane streams while it is ridden
  EXPECT_EQ(run.game->world.visit.currentSystemFolder, "Alpha 23");
  EXPECT_EQ(run.game->world.systemChangePending, 0);
  EXPECT_EQ(run.Ship().dockTarget, -1);
  EXPECT_NEAR(run.Ship().x, 84000 + 7 * 4000, 201);
  // The Kernwelt's traffic stayed behind; what flies now came up in Alpha 23 (100000..200000).
  for (const ShipRecord& ship : run.game->world.ships) {
    EXPECT_GE(ship.x, 100000) << ship.id;
    EXPECT_LT(ship.x, 200000) << ship.id;
  }
}

TEST_F(FlightFlow, ARedLaneFromAlpha23LeadsToCimeron) {
  run.PlaceShip(191700, 40160, 0);
  run.Tap(1, kKeyU);  // enter the system the ship is in now
  run.Run(3);
  ASSERT_EQ(run.game->world.visit.currentSystemFolder, "Alpha 23");
  const SystemObjectRecord* entry = run.Object("-> Cimeron", 4031);
  ASSERT_NE(entry, nullptr);
  BeforeEntry(*entry);
  SelectAndRequest(*entry, 2);
  run.Run(600);
  EXPECT_EQ(run.game->world.visit.currentSystemFolder, "Cimeron");
  EXPECT_NEAR(run.Ship().x, 192000 + 9 * 9000, 201);
}

// The brightest of the pixels in a small square round (x, y): red + green + blue.
int Brightness(Media& media, int x, int y) {
  int best = 0;
  for (int dy = -6; dy <= 6; dy += 3) {
    for (int dx = -6; dx <= 6; dx += 3) {
      const int c = ReadScreenPixel(media, x + dx, y + dy);
      best = std::max(best, (c & 255) + ((c >> 8) & 255) + ((c >> 16) & 255));
    }
  }
  return best;
}

TEST_F(FlightFlow, TheSceneShowsTheStationAndThePlanetWhereTheyAre) {
  const SystemObjectRecord* station = run.Object("Station Wacht", 4101);
  const SystemObjectRecord* planet = run.Object("Neue Allianz", 4210);
  ASSERT_NE(station, nullptr);
  ASSERT_NE(planet, nullptr);
  Media& media = run.game->media;
  // Facing the station from 600 away: its middle is drawn at (512, 12).
  run.PlaceShip(station->x + 600, station->y, 180);
  run.Run(1);
  EXPECT_GT(Brightness(media, 512, 60), 150);
  EXPECT_GT(Brightness(media, 512 + 150, 60), 150);
  // Turned away it is behind the ship: the same spot is dark space.
  run.PlaceShip(station->x + 600, station->y, 0);
  run.Run(1);
  EXPECT_LT(Brightness(media, 512 + 150, 60), 100);
  // Facing the planet from 1900 away: its picture's square reaches down to y 312, the globe in
  // it to about y 185.
  run.PlaceShip(planet->x, planet->y - 1900, 90);
  run.Run(1);
  EXPECT_GT(Brightness(media, 512, 100), 60);
  EXPECT_GT(Brightness(media, 250, 60), 60);
  EXPECT_LT(Brightness(media, 512, 450), 100);
}

}  // namespace
