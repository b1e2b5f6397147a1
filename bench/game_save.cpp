// Saving and loading a game of the sample universe through the game's own save and load (target:
// under 5 ms each). A save flushes the new file to disk before the rename, which dominates it; a
// load reads and checks the file, applies it and enters the system around the ship, shown apart.
//   build/bench/bench_game_save
#include <benchmark/benchmark.h>

#include <filesystem>

#include "formats/free_game.h"
#include "game/save/save_game.h"
#include "game/world/attitudes.h"
#include "game/world/places.h"
#include "game/world/system_loading.h"
#include "game/world/world_lists.h"

namespace {

namespace fs = std::filesystem;

// A game in progress in the sample universe; its saves go to a scratch folder whose INI is the
// game folder's, so the benchmark leaves no save among the player's.
struct SampleGame {
  fs::path folder = fs::temp_directory_path() / "velmarith-bench-game-save";
  World world;
  Rng rng;

  SampleGame() {
    const fs::path gameFolder = VELMARITH_GAME_DIR;
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::create_directory_symlink(gameFolder / "INI", folder / "INI");
    BuildPlaces(world, gameFolder);
    ResetAttitudes(world, gameFolder / "INI" / "Gruppen.ini");
    const SavedGame fresh = LoadFreeGameSave(gameFolder);
    AddShip(world.ships, fresh.ship);
    world.ships.Front()->cargo = "3    12   7    4    ";
    world.docking.dockedPlace = fresh.dockedPlace;
    for (PlaceRecord& place : world.places) place.known = 1;
    world.cameraX = fresh.ship.x;
    world.cameraY = fresh.ship.y;
  }
  ~SampleGame() { fs::remove_all(folder); }
};

SampleGame& Sample() {
  static SampleGame sample;
  return sample;
}

void SaveAGame(benchmark::State& state) {
  SampleGame& sample = Sample();
  for (auto _ : state) {
    if (!SaveGame(sample.world, sample.folder, "Bench").ok) state.SkipWithError("save failed");
  }
  state.SetLabel(std::to_string(sample.world.places.Count()) + " places");
}

void LoadAGame(benchmark::State& state) {
  SampleGame& sample = Sample();
  SaveGame(sample.world, sample.folder, "Bench");
  for (auto _ : state) {
    if (!LoadGame(sample.world, sample.folder, sample.rng, "Bench").ok) {
      state.SkipWithError("load failed");
    }
  }
  state.SetLabel(std::to_string(sample.world.visit.systemObjects.Count()) + " system objects");
}

// The share of a load that is entering the system.
void EnterTheLoadedSystem(benchmark::State& state) {
  SampleGame& sample = Sample();
  for (auto _ : state) EnterSystem(sample.world, SystemContext{sample.rng, sample.folder});
}

}  // namespace

BENCHMARK(SaveAGame)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAGame)->Unit(benchmark::kMillisecond);
BENCHMARK(EnterTheLoadedSystem)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
