// Riding lanes to their ends: every lane of the sample universe, and short lanes, from varied lock
// positions and residual speeds.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "formats/angles.h"
#include "formats/universe_file.h"
#include "game/flight/ships_pass.h"
#include "game/world/geometry.h"
#include "game/world/routes.h"
#include "game/world/system_loading.h"
#include "game/world/world_lists.h"
#include "tests/game/support/flight_parts.h"

namespace {

struct Lane {
  SystemObjectRecord entry;
  SystemObjectRecord exit;
};

// Every lane of the current system: its entry and its exit (they share the lane's id).
std::vector<Lane> LanesOf(const World& world) {
  std::vector<Lane> lanes;
  for (const SystemObjectRecord& entry : world.visit.systemObjects) {
    if (entry.type != 4011 && entry.type != 4021 && entry.type != 4031) continue;
    for (const SystemObjectRecord& exit : world.visit.systemObjects) {
      if (exit.id == entry.id && exit.type == entry.type + 2) lanes.push_back({entry, exit});
    }
  }
  return lanes;
}

struct Lock {
  float across;  // off the lane's line when the ship locked on (the lock needs under 5)
  float along;
  float speed;  // cruise speed left over from the approach
};

constexpr Lock kLocks[] = {{0, 0, 0}, {-4.5f, 0, 10}, {3, 4.5f, 0}, {0, -4, 20}, {2.5f, -3, 5}};

class Lanes : public testing::Test {
 protected:
  void SetUp() override {
    game = MakeParts<FlightParts>();
    game->folder = VELMARITH_TEST_GAME_DIR;
    ASSERT_TRUE(std::filesystem::exists(game->folder / "INI" / "Universum.ini"));
    game->world.groups = LoadGroups(game->folder / "INI" / "Gruppen.ini");
    AddShip(game->world.ships, TestShip(10, 1, 0, 0, 0));
  }

  // Locks the local ship onto the lane as the autopilot does and lets the ships pass carry it.
  // The frames it took; 0 when it never stopped.
  int Ride(const Lane& lane, const Lock& lock) {
    ShipRecord& ship = *game->world.ships.Front();
    const float a = lane.entry.angle;
    ship.x = lane.entry.x + lock.along * float(CosDeg(a)) - lock.across * float(SinDeg(a));
    ship.y = lane.entry.y + lock.along * float(SinDeg(a)) + lock.across * float(CosDeg(a));
    ship.heading = a;
    ship.speed = lock.speed;
    ship.turnRate = 0;
    ship.driveSpeed = 1;
    static constexpr float kLaunch[] = {1.11f, 1.12f, 1.13f};
    ship.driveFactor = kLaunch[(lane.entry.type / 10) % 10 - 1];
    ship.dockTarget = lane.entry.id;
    game->world.systemChangePending = 0;
    FlightContext flight = FlightOf(*game);
    flight.drawing = false;
    for (int frame = 1; frame <= 3000; ++frame) {
      game->world.cameraX = ship.x;
      game->world.cameraY = ship.y;
      RunShipsPass(flight);
      if (ship.dockTarget == -1) return frame;
    }
    return 0;
  }

  void RideEveryLock(const Lane& lane, const std::string& where) {
    const ShipRecord& ship = *game->world.ships.Front();
    const int level = (lane.entry.type / 10) % 10;
    for (const Lock& lock : kLocks) {
      SCOPED_TRACE(where + " level " + std::to_string(level) + " lock " +
                   std::to_string(lock.across) + "/" + std::to_string(lock.along) + " speed " +
                   std::to_string(lock.speed));
      ASSERT_GT(Ride(lane, lock), 0);
      EXPECT_EQ(ship.driveSpeed, 0);
      EXPECT_EQ(ship.driveFactor, 1);
      EXPECT_EQ(ship.speed, 0);
      EXPECT_LT(RoundedDistance(ship.x, ship.y, lane.exit.x, lane.exit.y), 201);
      EXPECT_EQ(game->world.systemChangePending, level >= 2 ? 1 : 0);
    }
  }

  PartsPtr<FlightParts> game;
};

TEST_F(Lanes, EveryLaneOfTheSampleUniverseEndsInAStopAtItsExit) {
  const UniverseFile universe = LoadUniverse(game->folder / "INI" / "Universum.ini");
  std::set<std::pair<float, float>> ridden;
  int counts[4] = {};
  for (const SystemEntry& system : UniverseSystems(universe)) {
    game->world.cameraX = system.originX + 50000.0f;
    game->world.cameraY = system.originY + 50000.0f;
    EnterSystem(game->world, SystemContext{game->rng, game->folder});
    for (const Lane& lane : LanesOf(game->world)) {
      if (!ridden.insert({lane.entry.x, lane.entry.y}).second) continue;  // universe lanes again
      counts[(lane.entry.type / 10) % 10] += 1;
      RideEveryLock(lane, system.name + " " + lane.entry.name);
    }
  }
  EXPECT_EQ(counts[1], 24);  // 12 blue routes
  EXPECT_EQ(counts[2], 8);
  EXPECT_EQ(counts[3], 8);
}

TEST_F(Lanes, OneSegmentLanesStopToo) {
  for (int colour = 1; colour <= 3; ++colour) {
    for (int angle : {0, 133, 270}) {
      game->world.visit.systemObjects.Clear();
      AddRoute(game->world, 1000, colour, 50000, 50000, angle, 1, 0, "A <> B");
      for (const Lane& lane : LanesOf(game->world)) {
        RideEveryLock(lane, "one segment at " + std::to_string(angle));
      }
    }
  }
}

}  // namespace
