// A recorded battle replayed twice from the same start: once with the projectile pass's grid,
// once with its walk over every ship. Every frame must come out the same, hit for hit.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "formats/group_catalogue.h"
#include "game/flight/particles.h"
#include "game/flight/projectiles.h"
#include "game/flight/ships_pass.h"
#include "game/world/computer_ships.h"
#include "game/world/world_lists.h"
#include "tests/game/support/flight_parts.h"

namespace {

constexpr int kFrames = 600;

// Two crowded fleets of A and B round the camera, a few angered A ships that go
// for the local ship, and a mission ship beside it, so that the local ship's loss (which removes
// the mission ship from the list in the middle of the pass) happens in the battle too.
void SetUpBattle(FlightParts& game) {
  SeedRandom(game.rng, 7);
  ArmForCombat(game.world, game.catalogues);
  World& world = game.world;
  ShipRecord& local = *world.ships.Front();
  local.hull = 25;
  local.shield = 0;
  local.orders = "     10000     10000";
  world.launchX = 300;
  world.launchY = 300;
  world.flight.selectedObject = 200;  // the rockets home on it
  const std::string arms = Combat::Weapon(1) + Combat::Weapon(2) + Combat::Weapon(4);
  for (int i = 0; i < 80; ++i) {
    const int group = i < 6 ? 101 : (i % 2 ? 1 : 2);
    ShipRecord ship =
        TestShip(100 + 10 * i, 0, float(RandomInt(game.rng, 700) - 350),
                 float(RandomInt(game.rng, 700) - 350), float(RandomInt(game.rng, 359)));
    ship.group = group;
    ship.weapons = arms;
    // Big, slow and light ships: they stay crowded, a shot often meets several of them in one
    // step, and many fall within the recording.
    ship.radius = 40;
    ship.maxSpeed = 20;
    ship.hull = ship.maxHull = 40;
    ship.shield = ship.maxShield = 30;
    AppendShip(world, ship);
  }
  ShipRecord mission = TestShip(900, 0, 150, 0, 0);
  mission.group = 203;
  AppendShip(world, mission);
}

std::string Hex(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%a ", double(value));
  return text;
}

// Everything a hit can change, exactly.
std::string Snapshot(const FlightParts& game) {
  const World& world = game.world;
  std::string s;
  for (const ShipRecord& ship : world.ships) {
    s += std::to_string(ship.id) + ":" + std::to_string(ship.group) + " " + Hex(ship.x) +
         Hex(ship.y) + Hex(ship.heading) + Hex(ship.hull) + Hex(ship.shield) + ship.impacts + ";";
  }
  for (const ProjectileRecord& p : world.visit.projectiles) {
    s += Hex(p.x) + Hex(p.y) + std::to_string(p.travelled) + ",";
  }
  // Explosions and drops draw chance in the order of the kills.
  double sum = 0;
  for (const ParticleRecord& p : world.visit.particles) sum += p.x * 3 + p.y * 7 + p.heading;
  for (const FloatingObjectRecord& f : world.visit.floatingObjects) sum += f.x * 5 + f.y * 11;
  s += " particles " + std::to_string(world.visit.particles.Count()) + " " + Hex(float(sum));
  s += " bodies " + std::to_string(world.visit.floatingObjects.Count());
  for (int g = 0; g <= world.groups.groupCount; ++g) s += Hex(GroupRelation(world.groups, 0, g));
  s += " rng " + std::to_string(game.rng.state);
  return s;
}

struct Record {
  std::vector<std::string> frames;
  int losses = 0;
  int leastShips = 1000;
  int mostProjectiles = 0;
};

Record Fight(ShipSearch search) {
  PartsPtr<FlightParts> game = MakeParts<FlightParts>();
  SetUpBattle(*game);
  Record record;
  for (int frame = 0; frame < kFrames; ++frame) {
    FlightContext flight = FlightOf(*game);
    flight.drawing = false;
    RunShipsPass(flight);
    RunProjectiles(flight, search);
    RunParticles(flight);
    record.losses += game->world.docking.dockedRequest;
    game->world.docking.dockedRequest = 0;
    record.leastShips = std::min(record.leastShips, game->world.ships.Count());
    record.mostProjectiles =
        std::max(record.mostProjectiles, game->world.visit.projectiles.Count());
    record.frames.push_back(Snapshot(*game));
  }
  return record;
}

TEST(Battle, TheShipGridGivesTheSameBattleAsAWalkOverEveryShip) {
  const Record plain = Fight(ShipSearch::kEveryShip);
  const Record grid = Fight(ShipSearch::kGrid);
  // The battle is a real one: many shots in the air, ships destroyed, the local ship lost.
  EXPECT_GT(plain.mostProjectiles, 5);
  EXPECT_LT(plain.leastShips, 50);  // of 62
  EXPECT_GE(plain.losses, 1);
  ASSERT_EQ(plain.frames.size(), grid.frames.size());
  for (size_t i = 0; i < plain.frames.size(); ++i) {
    ASSERT_EQ(plain.frames[i], grid.frames[i]) << "frame " << i;
  }
}

}  // namespace
