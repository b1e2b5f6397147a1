#include "bench_game.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/flight/environment.h"
#include "game/flight/floating_objects.h"
#include "game/flight/particles.h"
#include "game/flight/player_pass.h"
#include "game/flight/projectiles.h"
#include "game/flight/ships_pass.h"
#include "game/flight/system_objects.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game_flow.h"
#include "game/shell/startup.h"

std::unique_ptr<Game> StartBenchFlight(int argc, char** argv, int index,
                                       std::optional<std::uint64_t> seed) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  auto game = std::make_unique<Game>();
  game->folder = argc > index ? argv[index] : VELMARITH_GAME_DIR;
  StartupFailure failure;
  if (!RunStartup(*game, true, failure)) {
    std::fprintf(stderr, "start-up failed: %s\n", failure.text.c_str());
    return nullptr;
  }
  if (seed) SeedRandom(game->rng, *seed);
  StartFreeGame(*game);
  LeaveMenuToFlight(*game);
  return game;
}

double Ms(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double MedianBatchMs(int runs, const std::function<void()>& work,
                     const std::function<void()>& untimed) {
  std::vector<double> batches;
  for (int batch = 0; batch < 5; ++batch) {
    double total = 0;
    for (int i = 0; i < runs; ++i) {
      if (untimed) untimed();
      const auto start = std::chrono::steady_clock::now();
      work();
      total += Ms(std::chrono::steady_clock::now() - start);
    }
    batches.push_back(total / runs);
  }
  std::sort(batches.begin(), batches.end());
  return batches[2];
}

void RunFlightPasses(Game& game, bool drawing) {
  FlightContext flight = FlightOf(game);
  flight.drawing = drawing;
  RunLocalShipPass(flight);
  DrawFieldGlows(flight);
  RunEnvironmentPieces(flight);
  RunSystemObjects(flight);
  RunShipsPass(flight);
  RunProjectiles(flight);
  RunFloatingObjects(flight);
  RunParticles(flight);
}
