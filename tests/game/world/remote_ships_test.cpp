// Other players' ships as the world keeps them: how they follow replayed reports, and that
// entering a system keeps them.

#include "game/world/remote_ships.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/world/system_loading.h"
#include "game/world/world_lists.h"
#include "tests/game/support/fixture_files.h"
#include "tests/game/support/universe_fixture.h"

namespace {

// A sender at 60 frames a second reports every frame; this game runs at 40 and takes the
// reports that have come by each of its frames. The sender flies straight at 20 units a frame
// for a second, then slides sideways at 3 a frame while turning, then stops reporting.
struct Replay {
  RemoteTrack track;
  ShipRecord ship;
  double worstError = 0;  // after the first reports, between shown and true position
  double worstJump = 0;   // the largest difference between the shown and the true frame step
};

struct SenderPoint {
  double timeMs;
  float x, y;
};

std::vector<SenderPoint> RecordSender() {
  std::vector<SenderPoint> points;
  float x = 1000, y = 1000, heading = 0;
  for (int frame = 0; frame < 120; ++frame) {
    if (frame < 60) {
      x += 20;
    } else {
      heading += 1.5f;
      x += 3 * std::cos((heading + 90) * 3.14159265f / 180);
      y += 3 * std::sin((heading + 90) * 3.14159265f / 180);
    }
    points.push_back({frame * 1000.0 / 60, std::round(x), std::round(y)});
  }
  return points;
}

// The true position at a time, between the sender's frames.
SenderPoint TrueAt(const std::vector<SenderPoint>& points, double timeMs) {
  for (size_t i = 1; i < points.size(); ++i) {
    if (points[i].timeMs >= timeMs) {
      const SenderPoint& a = points[i - 1];
      const SenderPoint& b = points[i];
      const float f = static_cast<float>((timeMs - a.timeMs) / (b.timeMs - a.timeMs));
      return {timeMs, a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
    }
  }
  return points.back();
}

Replay Play(const std::vector<SenderPoint>& points, double untilMs) {
  Replay replay;
  size_t next = 0;
  float lastX = 0, lastY = 0;
  SenderPoint lastTrue{};
  for (int frame = 0; frame * 25.0 <= untilMs; ++frame) {
    const double now = frame * 25.0;
    while (next < points.size() && points[next].timeMs <= now) {
      TakeRemoteReport(replay.track, replay.ship, points[next].x, points[next].y, now);
      ++next;
    }
    FlyRemoteShip(replay.track, replay.ship, now);
    const SenderPoint truth = TrueAt(points, std::min(now, points.back().timeMs));
    if (now >= 200 && now <= points.back().timeMs) {
      replay.worstError = std::max<double>(
          replay.worstError, std::hypot(replay.ship.x - truth.x, replay.ship.y - truth.y));
      const double jump = std::hypot((replay.ship.x - lastX) - (truth.x - lastTrue.x),
                                     (replay.ship.y - lastY) - (truth.y - lastTrue.y));
      replay.worstJump = std::max(replay.worstJump, jump);
    }
    lastX = replay.ship.x;
    lastY = replay.ship.y;
    lastTrue = truth;
  }
  return replay;
}

TEST(RemoteShips, ReplayedReportsAreFollowedClosePerFrameWithoutJumps) {
  const std::vector<SenderPoint> points = RecordSender();
  const Replay replay = Play(points, points.back().timeMs);
  // The waypoint queue trailed by over 100; here only the turn from flying to sliding costs more
  // than a few units for a moment.
  EXPECT_LT(replay.worstError, 50);
  EXPECT_LT(replay.worstJump, 60);

  // Once the reports stop, the ship is not carried on for ever.
  const Replay stopped = Play(points, points.back().timeMs + 2000);
  EXPECT_LT(std::hypot(stopped.ship.x - points.back().x, stopped.ship.y - points.back().y), 30);
}

TEST(RemoteShips, AReportFarOffMovesTheShipThereAtOnce) {
  RemoteTrack track;
  ShipRecord ship;
  FlyRemoteShip(track, ship, 0);  // no report yet: it stays
  EXPECT_EQ(ship.x, 0);
  TakeRemoteReport(track, ship, 500, 500, 0);  // the first report places it
  EXPECT_EQ(ship.x, 500);
  TakeRemoteReport(track, ship, 1500, 500, 20);  // far, but not a jump in the sender's game
  EXPECT_EQ(ship.x, 500);
  FlyRemoteShip(track, ship, 40);
  EXPECT_GT(ship.x, 500);  // on its way, blended
  TakeRemoteReport(track, ship, 9000, -4000, 60);
  EXPECT_EQ(ship.x, 9000);
  EXPECT_EQ(ship.y, -4000);
  FlyRemoteShip(track, ship, 80);
  EXPECT_EQ(ship.x, 9000);  // no motion measured across the jump
}

TEST(RemoteShips, EnteringASystemKeepsOtherPlayersButNotComputerShips) {
  FixtureFolder folder;
  WriteUniverseFixture(folder.path);
  World world;
  Rng rng;
  for (int controller : {1, 0, 7, 0, 8}) {
    ShipRecord ship;
    ship.controller = controller;
    world.ships.Reset();
    while (world.ships.Next()) {
    }
    AddShip(world.ships, ship);
  }
  EnterSystem(world, SystemContext{rng, folder.path});
  std::vector<int> controllers;
  for (const ShipRecord& ship : world.ships) controllers.push_back(ship.controller);
  EXPECT_EQ(controllers, (std::vector<int>{1, 7, 8}));
  EXPECT_EQ(world.ships.Current(), world.ships.Front());
}

}  // namespace
