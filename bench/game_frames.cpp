// Start-up and frame timings of the game, headless, on the assembled game folder:
//   build/bench/bench_game_frames [game folder]
// Prints start-up phase by phase, the time of an empty-world frame and of a frame in the
// largest sample system.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "formats/universe_file.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/shell/startup.h"
#include "game/ui/menu_background.h"
#include "game/ui/menu_items.h"
#include "game/world/system_loading.h"

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The median of five batches: the machine is shared, and a single batch catches its neighbours.
template <class Work>
double AverageMs(int runs, Work work) {
  std::vector<double> batches;
  for (int batch = 0; batch < 5; ++batch) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) work();
    batches.push_back(Milliseconds(std::chrono::steady_clock::now() - start) / runs);
  }
  std::sort(batches.begin(), batches.end());
  return batches[2];
}

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  auto game = std::make_unique<Game>();
  game->folder = argc > 1 ? argv[1] : VELMARITH_GAME_DIR;

  StartupFailure failure;
  StartupProfile profile;
  const auto start = std::chrono::steady_clock::now();
  if (!RunStartup(*game, true, failure, &profile)) {
    std::fprintf(stderr, "start-up failed: %s\n", failure.text.c_str());
    return 1;
  }
  RunFrame(*game);
  std::printf("start-up to the first frame: %.1f ms\n",
              Milliseconds(std::chrono::steady_clock::now() - start));
  for (const auto& [name, ms] : profile.phases) {
    std::printf("  %-40s %5llu ms\n", name.c_str(), static_cast<unsigned long long>(ms));
  }

  std::printf("empty-world frame (headless, no cap): %.3f ms\n",
              AverageMs(500, [&] { RunFrame(*game); }));

  PrepareStartMenu(*game);
  for (int i = 0; i < 40; ++i) RunMenuFrame(*game);  // past the reveal
  std::printf("menu frame (background, lights, items): %.3f ms\n",
              AverageMs(200, [&] { RunMenuFrame(*game); }));
  std::printf("  stars and clouds: %.3f ms\n",
              AverageMs(200, [&] { DrawMenuStars(game->media, game->menu.menuStars, game->rng); }));
  std::printf("  orbiting lights:  %.3f ms\n", AverageMs(200, [&] {
                DrawOrbitingLights(game->media, game->rng, game->frame.frameCounter);
              }));
  std::printf("  items:            %.3f ms\n",
              AverageMs(200, [&] { DrawMenuItems(game->menu, game->media); }));
  std::printf("  clear:            %.3f ms\n",
              AverageMs(200, [&] { ClearScreen(game->media, 0); }));

  // Entering each system of the universe, from the middle of its square.
  const SystemContext context{game->rng, game->folder};
  const UniverseFile universe = LoadUniverse(game->folder / "INI" / "Universum.ini");
  for (const SystemEntry& system : UniverseSystems(universe)) {
    game->world.cameraX = system.originX + 50000.0f;
    game->world.cameraY = system.originY + 50000.0f;
    const double ms = AverageMs(50, [&] { EnterSystem(game->world, context); });
    std::printf("EnterSystem %-14s %.3f ms (%d objects, %d pieces, %d mines)\n",
                system.name.c_str(), ms, game->world.visit.systemObjects.Count(),
                game->world.visit.environmentPieces.Count(), game->world.visit.projectiles.Count());
  }
  ShutdownMedia(game->media);
  return 0;
}
