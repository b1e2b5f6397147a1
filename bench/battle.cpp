// A battle round the camera in the start system: 200 computer ships of two hostile groups (the
// Allianz in Schwalben against the Cime-Regime in Kroeten, with their route loadouts), fighting
// with their shots, trails and explosions. Fallen ships are replaced at the edge of their side.
//   build/bench/bench_battle [game folder] [screenshot.bmp]
// Prints the simulation alone (every flight pass with drawing off), the whole headless frame
// (RunFrame, no cap), the projectile pass with the ship grid and with a walk over every ship,
// and what was alive; then again with the particles kept at 10000 (fire and trails added over the
// fight when the battle itself leaves fewer).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "bench_game.h"
#include "formats/group_catalogue.h"
#include "formats/media_numbers.h"
#include "game/flight/environment.h"
#include "game/flight/floating_objects.h"
#include "game/flight/particles.h"
#include "game/flight/player_pass.h"
#include "game/flight/projectiles.h"
#include "game/flight/ships_pass.h"
#include "game/flight/system_objects.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/world/computer_ships.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kShipsPerSide = 100;
constexpr float kCentreX = 30000;  // open space in the Kernwelt, far from bodies and lanes
constexpr float kCentreY = 60000;

using Clock = std::chrono::steady_clock;

struct Side {
  const char* group;
  int index = 0;
  float x = 0;  // where its reinforcements come in
};

struct Battle {
  Game& game;
  Side sides[2];
  int made = 0;
  int particles = 0;  // when above 0, explosion fire and trails are added up to this many

  int Count(int group) const {
    int n = 0;
    for (const ShipRecord& ship : game.world.ships) n += ship.group == group;
    return n;
  }

  void Reinforce(const Side& side) {
    World& world = game.world;
    Rng& rng = game.rng;
    world.nextObjectId += 10;
    TakeLoadout(world.lastLoadout, side.group, world.visit.currentSystemFolder, game.catalogues,
                rng);
    const float x = side.x - 200 + RandomInt(rng, 400);
    const float y = kCentreY - 800 + RandomInt(rng, 1600);
    const float heading = side.x < kCentreX ? 0.0f : 180.0f;
    AppendShip(world, MakeComputerShip(world, game.catalogues, world.lastLoadout, side.index, x, y,
                                       heading));
    ++made;
  }

  // More of what a battle leaves: fire of explosions and shot trails over the fight.
  void FillParticles() {
    CursorList<ParticleRecord>& list = game.world.visit.particles;
    Rng& rng = game.rng;
    while (list.Count() < particles) {
      const bool fire = RandomInt(rng, 1) == 0;
      list.Reset();
      AddParticle(list, {.sprite = fire ? 11 : 3101 + RandomInt(rng, 20),
                         .size = float(fire ? 30 + RandomInt(rng, 70) : 6 + RandomInt(rng, 2)),
                         .x = kCentreX - 900 + RandomInt(rng, 1800),
                         .y = kCentreY - 900 + RandomInt(rng, 1800),
                         .heading = float(RandomInt(rng, 359)),
                         .speed = fire ? (1 + RandomInt(rng, 120)) / 10.0f : 0,
                         .alpha = 155 + RandomInt(rng, 100),
                         .life = fire ? 1.0f : 10.0f});
    }
  }

  // Keeps both fleets at full strength and the local ship, the camera, out of the fight's reach.
  void TopUp() {
    for (const Side& side : sides) {
      for (int n = Count(side.index); n < kShipsPerSide; ++n) Reinforce(side);
    }
    FillParticles();
    ShipRecord& local = *game.world.ships.Front();
    local.hull = static_cast<float>(local.maxHull);
    local.shield = 1e9f;
    local.x = kCentreX;
    local.y = kCentreY;
    local.speed = 0;
    game.frame.screenFade = 0;
    game.world.docking.dockedRequest = 0;
  }
};

// Each pass's time over some frames.
struct PassTimes {
  const char* names[8] = {"player", "field glows", "environment", "system objects",
                          "ships",  "projectiles", "bodies",      "particles"};
  double ms[8] = {};
  int frames = 0;
};

// One frame's flight passes without drawing; each pass's time is added to `times`.
void Simulation(Game& game, ShipSearch search, PassTimes* times = nullptr) {
  FlightContext flight = FlightOf(game);
  flight.drawing = false;
  const std::function<void()> passes[8] = {
      [&] { RunLocalShipPass(flight); },     [&] { DrawFieldGlows(flight); },
      [&] { RunEnvironmentPieces(flight); }, [&] { RunSystemObjects(flight); },
      [&] { RunShipsPass(flight); },         [&] { RunProjectiles(flight, search); },
      [&] { RunFloatingObjects(flight); },   [&] { RunParticles(flight); }};
  for (int i = 0; i < 8; ++i) {
    const auto start = Clock::now();
    passes[i]();
    if (times) times->ms[i] += Ms(Clock::now() - start);
  }
  if (times) times->frames += 1;
}

// Frames of the battle, topped up between them; `work` is timed, the top-up is not.
double MedianMs(Battle& battle, int frames, const std::function<void()>& work) {
  return MedianBatchMs(frames, work, [&] { battle.TopUp(); });
}

// Every pass (the projectile pass with each search), timed inside whole frames of the battle.
void ReportPasses(Battle& battle) {
  for (const ShipSearch search : {ShipSearch::kGrid, ShipSearch::kEveryShip}) {
    PassTimes times;
    for (int i = 0; i < 100; ++i) {
      battle.TopUp();
      Simulation(battle.game, search, &times);
    }
    if (search == ShipSearch::kGrid) {
      for (int i = 0; i < 8; ++i) {
        std::printf("  %-15s %.3f ms\n", times.names[i], times.ms[i] / times.frames);
      }
    } else {
      std::printf("  projectiles walking every ship instead of the grid: %.3f ms\n",
                  times.ms[5] / times.frames);
    }
  }
}

void ReportAlive(const Game& game, const Battle& battle) {
  const World& world = game.world;
  std::printf(
      "  alive: %d ships, %d projectiles, %d particles, %d drifting bodies; %d ships made\n",
      world.ships.Count() - 1, world.visit.projectiles.Count(), world.visit.particles.Count(),
      world.visit.floatingObjects.Count(), battle.made);
}

}  // namespace

int main(int argc, char** argv) {
  auto game = StartBenchFlight(argc, argv, 1, 1);
  if (!game) return 1;
  game->world.networkGame = 1;  // no route traffic joins in
  std::printf("drawn by %s\n", ScreenRendererName(game->media).c_str());

  Battle battle{*game, {{"Die Allianz"}, {"Das Cime-Regime"}}};
  battle.sides[0].x = kCentreX - 700;
  battle.sides[1].x = kCentreX + 700;
  for (Side& side : battle.sides) side.index = GroupIndex(game->world.groups, side.group);
  std::printf("%s (group %d) against %s (group %d), attitude %.2f\n", battle.sides[0].group,
              battle.sides[0].index, battle.sides[1].group, battle.sides[1].index,
              GroupRelation(game->world.groups, battle.sides[0].index, battle.sides[1].index));

  for (int i = 0; i < 400; ++i) {
    battle.TopUp();
    Simulation(*game, ShipSearch::kGrid);
  }
  if (argc > 2) {  // a look at the fight: the frame after the warm-up
    battle.TopUp();
    RunFrame(*game);
    GrabScreen(game->media, kPictureScreenshot, 0, 0, kScreenWidth, kScreenHeight);
    SavePicture(game->media, kPictureScreenshot, argv[2]);
  }
  for (const int particles : {0, 10000}) {
    battle.particles = particles;
    if (particles > 0) std::printf("with particles kept at %d:\n", particles);
    const double simulation = MedianMs(battle, 40, [&] { Simulation(*game, ShipSearch::kGrid); });
    ReportAlive(*game, battle);
    const double whole = MedianMs(battle, 10, [&] { RunFrame(*game); });
    std::printf("  simulation (all flight passes, no drawing): %.3f ms\n", simulation);
    std::printf("  whole headless frame (RunFrame, no cap):    %.3f ms\n", whole);
    ReportPasses(battle);
  }
  ShutdownMedia(game->media);
  return 0;
}
