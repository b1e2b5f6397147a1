// Generating the complete game folder, with and without the spoken announcements.
#include <benchmark/benchmark.h>

#include <filesystem>

#include <unistd.h>

#include "tools/mkassets/generate.h"
#include "tools/mkassets/media_extra.h"
#include "tools/mkassets/text_render.h"

namespace {

void GenerateFolder(benchmark::State& state, bool voices) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("mkassets-bench-" + std::to_string(::getpid()));
  size_t files = 0;
  for (auto _ : state) {
    GenerateOptions options;
    options.gameDir = folder;
    options.dataDir = MKASSETS_BENCH_DATA;
    options.voices = voices;
    AssetSink sink;
    GenerateGameFolder(options, sink);
    files = sink.writtenFiles.size();
  }
  state.counters["files"] = static_cast<double>(files);
  fs::remove_all(folder);
}

void BM_GenerateFolderWithVoices(benchmark::State& state) {
  if (!VoiceAvailable()) state.SkipWithError("espeak-ng is not installed");
  GenerateFolder(state, true);
}

void BM_GenerateFolderPicturesAndClips(benchmark::State& state) {
  GenerateFolder(state, false);
}

BENCHMARK(BM_GenerateFolderWithVoices)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_GenerateFolderPicturesAndClips)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  QuitText();
  return 0;
}
