// Saved games of the sample universe: writing and reading the bytes, the server's check of a
// returned game against the game folder (which scans the universe each time), and the template
// written to disk through a temporary file and a rename, whose flush dominates a save.
//   build/bench/bench_formats_save
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "formats/file_io.h"
#include "formats/free_game.h"
#include "formats/save_check.h"
#include "formats/save_file.h"

namespace {

const std::filesystem::path kGameFolder = VELMARITH_GAME_DIR;

SavedGame SampleGame() {
  SavedGame game = LoadFreeGameSave(kGameFolder);
  game.ship.cargo = "3    12   7    4    ";
  for (SavedPlace& place : game.places) place.known = 1;
  return game;
}

void WriteSave(benchmark::State& state) {
  const SavedGame game = SampleGame();
  for (auto _ : state) benchmark::DoNotOptimize(WriteSavedGame(game));
}

void ReadSave(benchmark::State& state) {
  const std::string bytes = WriteSavedGame(SampleGame()).bytes;
  const UniverseShape shape = LoadUniverseShape(kGameFolder);
  for (auto _ : state) benchmark::DoNotOptimize(ReadSavedGame(bytes, shape));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void CheckAgainstGameFolder(benchmark::State& state) {
  const std::string bytes = WriteSavedGame(SampleGame()).bytes;
  for (auto _ : state) benchmark::DoNotOptimize(CheckSaveFile(bytes, kGameFolder));
}

void WriteSaveFileAtomically(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "velmarith-bench-save";
  std::filesystem::create_directories(folder);
  const SavedGame game = SampleGame();
  for (auto _ : state) {
    const SaveBytes save = WriteSavedGame(game);
    benchmark::DoNotOptimize(WriteFileAtomically(folder / "Bench.sav", save.bytes));
  }
  std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(WriteSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckAgainstGameFolder)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteSaveFileAtomically)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
