// A system that lives: the start system's route traffic over five minutes of frames, headless,
// with the local ship parked beside the start ring (the flight passes without drawing).
//   build/bench/bench_traffic_life [frames] [seed] [game folder]
// Prints how many ships spawned (by group), docked, rode lanes, fought and died, the frame time,
// and every ship that looks stuck: alive for a long time and hardly moved lately, or bound to a
// ring or lane for long.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "bench_game.h"
#include "formats/group_catalogue.h"
#include "game/flight/environment.h"
#include "game/flight/floating_objects.h"
#include "game/flight/particles.h"
#include "game/flight/pilots.h"
#include "game/flight/player_pass.h"
#include "game/flight/projectiles.h"
#include "game/flight/ships_pass.h"
#include "game/flight/system_objects.h"
#include "game/flight/traffic.h"
#include "game/flight/weapons.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"

namespace {

struct Track {
  int born = 0;
  int group = 0;
  float x = 0, y = 0;
  float driveFactor = 1;
  std::string weapons;
  // Where it was at the last two thousands of frames, to tell a ship that goes nowhere.
  float snapX = 0, snapY = 0, oldX = 0, oldY = 0;
  int boundSince = -1;
  bool rodeLane = false;
  bool fired = false;
  bool hunted = false;
};

struct Tally {
  std::map<std::string, int> spawnedByGroup;
  int spawned = 0, docked = 0, destroyed = 0, rodeLane = 0, fired = 0, hunted = 0;
  int localLosses = 0, angered = 0;
  std::map<std::string, int> destroyedByGroup;
};

std::string GroupName(const Game& game, int group) {
  const auto& names = game.world.groups.groupNames;
  std::string name = group >= 0 && group < int(names.size()) ? names[group] : "?";
  if (group >= 100) name += group >= 200 ? " (Auftrag)" : " (verärgert)";
  return name;
}

bool Fired(const std::string& before, const std::string& after) {
  const int fields = std::min(WeaponFieldCount(before), WeaponFieldCount(after));
  for (int i = 0; i < fields; ++i) {
    if (WeaponFieldCooldown(after, i) > WeaponFieldCooldown(before, i)) return true;
  }
  return false;
}

void Observe(const Game& game, int frame, std::map<int, Track>& tracks, Tally& tally) {
  std::map<int, bool> seen;
  const ShipRecord* local = game.world.ships.Front();
  for (const ShipRecord& ship : game.world.ships) {
    if (&ship == local) continue;
    seen[ship.id] = true;
    auto found = tracks.find(ship.id);
    if (found == tracks.end()) {
      Track t{frame,        ship.group, ship.x, ship.y, ship.driveFactor,
              ship.weapons, ship.x,     ship.y, ship.x, ship.y};
      tracks.emplace(ship.id, t);
      tally.spawned += 1;
      tally.spawnedByGroup[GroupName(game, ship.group)] += 1;
      continue;
    }
    Track& t = found->second;
    if (!t.fired && Fired(t.weapons, ship.weapons)) {
      t.fired = true;
      tally.fired += 1;
    }
    if (!t.hunted && ship.dockTarget == -1 && FindTarget(game.world, ship)) {
      t.hunted = true;
      tally.hunted += 1;
    }
    if (ship.group >= 100 && t.group < 100) tally.angered += 1;
    if (!t.rodeLane && ship.driveFactor > 1.1f) {
      t.rodeLane = true;
      tally.rodeLane += 1;
    }
    if (ship.dockTarget == -1) t.boundSince = -1;
    if (ship.dockTarget != -1 && t.boundSince < 0) t.boundSince = frame;
    t.group = ship.group;
    t.x = ship.x;
    t.y = ship.y;
    t.driveFactor = ship.driveFactor;
    t.weapons = ship.weapons;
    if (frame % 1000 == 0) {
      t.oldX = t.snapX;
      t.oldY = t.snapY;
      t.snapX = ship.x;
      t.snapY = ship.y;
    }
  }
  for (auto it = tracks.begin(); it != tracks.end();) {
    if (seen.count(it->first)) {
      ++it;
      continue;
    }
    if (it->second.driveFactor == 1.05f) {
      tally.docked += 1;
    } else {
      tally.destroyed += 1;
      tally.destroyedByGroup[GroupName(game, it->second.group)] += 1;
    }
    it = tracks.erase(it);
  }
}

void ReportStuck(const Game& game, int frame, const std::map<int, Track>& tracks) {
  int stuck = 0;
  for (const ShipRecord& ship : game.world.ships) {
    auto found = tracks.find(ship.id);
    if (found == tracks.end()) continue;
    const Track& t = found->second;
    const int age = frame - t.born;
    const float moved = std::hypot(ship.x - t.oldX, ship.y - t.oldY);
    const bool idle = age > 3000 && moved < 300;
    const bool longBound = t.boundSince >= 0 && frame - t.boundSince > 1500;
    const bool old = age > 6000;
    if (!idle && !longBound && !old) continue;
    stuck += 1;
    const ShipRecord* target = FindTarget(game.world, ship);
    std::printf(
        "  ship %d %-26s age %5d at (%6.0f, %6.0f) speed %5.1f drive %6.1f x%.2f dock %d, "
        "moved %.0f lately, %zu waypoints left, target %d%s%s\n"
        "      hull %.0f/%d shield %.0f/%d energy %.0f/%d weapons \"%s\"\n",
        ship.id, GroupName(game, ship.group).c_str(), age, ship.x, ship.y, ship.speed,
        ship.driveSpeed, ship.driveFactor, ship.dockTarget, moved, ship.orders.size() / 25,
        target ? target->id : -1, idle ? " [idle]" : "", longBound ? " [bound long]" : "",
        ship.hull, ship.maxHull, ship.shield, ship.maxShield, ship.energy, ship.maxEnergy,
        ship.weapons.c_str());
  }
  std::printf("%d ships look stuck or old\n", stuck);
}

// The frame's flight passes as the frame loop runs them, without drawing and without the station
// screen a loss of the local ship would open.
void RunFlight(Game& game) {
  game.frame.frameCounter += 10;
  FlightContext flight = FlightOf(game);
  flight.drawing = false;
  SpawnRouteTraffic(flight);
  RunFlightPasses(game, false);
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::atoi(argv[1]) : 15000;
  const int seed = argc > 2 ? std::atoi(argv[2]) : 1;
  auto game = StartBenchFlight(argc, argv, 3, static_cast<std::uint64_t>(seed));
  if (!game) return 1;

  std::map<int, Track> tracks;
  Tally tally;
  const float parkX = game->world.ships.Front()->x + 600;
  const float parkY = game->world.ships.Front()->y;
  const auto start = std::chrono::steady_clock::now();
  int maxShips = 0;
  for (int frame = 1; frame <= frames; ++frame) {
    // The local ship waits beside the start ring; a loss respawns it and would open the station.
    ShipRecord& local = *game->world.ships.Front();
    if (game->world.docking.dockedRequest) {
      tally.localLosses += 1;
      game->world.docking.dockedRequest = 0;
    }
    local.x = parkX;
    local.y = parkY;
    local.speed = 0;
    game->frame.screenFade = 0;
    RunFlight(*game);
    Observe(*game, frame, tracks, tally);
    maxShips = std::max(maxShips, game->world.ships.Count() - 1);
    if (frame % 3000 == 0) {
      size_t impacts = 0;
      for (const ShipRecord& ship : game->world.ships) impacts += ship.impacts.size();
      std::printf(
          "frame %5d: %d computer ships, %d projectiles, %d particles, %d pieces, %d bodies, "
          "%zu impact bytes, %.2f ms a frame\n",
          frame, game->world.ships.Count() - 1, game->world.visit.projectiles.Count(),
          game->world.visit.particles.Count(), game->world.visit.environmentPieces.Count(),
          game->world.visit.floatingObjects.Count(), impacts,
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count() /
              frame);
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d frames (%.1f minutes of play) in %.1f s, %.2f ms a frame\n", frames,
              frames / 50.0 / 60.0, seconds, seconds * 1000 / frames);
  std::printf("spawned %d:", tally.spawned);
  for (const auto& [group, count] : tally.spawnedByGroup)
    std::printf(" %s %d,", group.c_str(), count);
  std::printf("\nat most %d computer ships at once\n", maxShips);
  std::printf(
      "docked %d, rode a lane %d, hunted a hostile %d, fired %d, angered by the player %d\n",
      tally.docked, tally.rodeLane, tally.hunted, tally.fired, tally.angered);
  std::printf("destroyed %d:", tally.destroyed);
  for (const auto& [group, count] : tally.destroyedByGroup)
    std::printf(" %s %d,", group.c_str(), count);
  std::printf("\nlocal ship lost %d times\n", tally.localLosses);
  std::printf("still flying: %d\n", game->world.ships.Count() - 1);
  ReportStuck(*game, frames, tracks);
  ShutdownMedia(game->media);
  return 0;
}
