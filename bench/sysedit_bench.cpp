// Loading and saving the largest sample system (target: under 100 ms each) and one redraw of
// the map (target: under 5 ms, so that dragging stays smooth), also with a route lane of length
// 10^9 on it (the same target: a lane's length must not cost).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/latin1.h"
#include "sysedit/document/catalogues.h"
#include "sysedit/document/document.h"
#include "sysedit/document/system_io.h"
#include "sysedit/map/map_render.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The sample universe as the build converts it (Latin-1, CR LF), once per run.
struct SampleUniverse {
  fs::path ini;
  std::string largest;  // the system folder with the most bytes
  EditorCatalogues catalogues;

  SampleUniverse() {
    ini = fs::temp_directory_path() / "sysedit-bench";
    fs::remove_all(ini);
    const fs::path data = fs::path(VELMARITH_SOURCE_DIR) / "data" / "INI";
    std::uintmax_t largestSize = 0;
    for (const auto& entry : fs::recursive_directory_iterator(data)) {
      if (!entry.is_regular_file()) continue;
      std::string text;
      for (char c : Utf8ToLatin1(ReadAll(entry.path()))) {
        if (c == '\n') text += '\r';
        text += c;
      }
      const fs::path target = ini / fs::relative(entry.path(), data);
      fs::create_directories(target.parent_path());
      std::ofstream(target, std::ios::binary) << text;
    }
    for (const auto& entry : fs::directory_iterator(ini)) {
      if (!entry.is_directory()) continue;
      std::uintmax_t size = 0;
      for (const auto& file : fs::recursive_directory_iterator(entry.path())) {
        if (file.is_regular_file()) size += file.file_size();
      }
      if (size > largestSize) {
        largestSize = size;
        largest = Utf8ToLatin1(entry.path().filename().string());
      }
    }
    catalogues = LoadEditorCatalogues(ini);
  }
};

SampleUniverse& Sample() {
  static SampleUniverse sample;
  return sample;
}

void BM_LoadLargestSampleSystem(benchmark::State& state) {
  SampleUniverse& sample = Sample();
  EditorDocument document;
  for (auto _ : state) {
    LoadSystem(document, sample.ini, sample.largest);
    benchmark::DoNotOptimize(document.elements.data());
  }
  state.SetLabel(sample.largest + ": " + std::to_string(document.elements.size()) + " elements, " +
                 std::to_string(document.places.size()) + " places, " +
                 std::to_string(document.routes.size()) + " routes");
}
BENCHMARK(BM_LoadLargestSampleSystem)->Unit(benchmark::kMillisecond);

void BM_SaveLargestSampleSystem(benchmark::State& state) {
  SampleUniverse& sample = Sample();
  EditorDocument document;
  LoadSystem(document, sample.ini, sample.largest);
  for (auto _ : state) {
    const SaveOutcome outcome = SaveSystem(document, sample.ini, "Bench-Kopie");
    if (!outcome.ok) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveLargestSampleSystem)->Unit(benchmark::kMillisecond);

// One full redraw at each zoom (0 = closest), with a selection, a place and a route marked.
void BM_MapRedraw(benchmark::State& state) {
  SampleUniverse& sample = Sample();
  EditorDocument document;
  LoadSystem(document, sample.ini, sample.largest);
  MapView view;
  view.zoomPosition = static_cast<int>(state.range(0));
  view.cameraX = view.cameraY = -2000.0 * (1 << (3 - view.zoomPosition));
  MapMarks marks;
  marks.selectedElement = 0;
  marks.selectedRoute = document.routes.empty() ? -1 : 0;
  if (!document.places.empty()) marks.placeName = document.places.front().name;
  QImage image;
  for (auto _ : state) {
    RenderMap(document, sample.catalogues.elementDefs, view, marks, image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_MapRedraw)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A route lane of length 10^9 (a file may hold one): only the part over the map is walked, so the
// redraw costs what BM_MapRedraw costs. The lane leaves the system in the middle, at 30 degrees.
void BM_MapRedrawHugeRoute(benchmark::State& state) {
  SampleUniverse& sample = Sample();
  EditorDocument document;
  LoadSystem(document, sample.ini, sample.largest);
  ElementRecord lane;
  lane.elementGroup = "Routen";
  lane.elementType = "BLAU";
  lane.x = lane.y = 50000;
  lane.direction = 30;
  lane.length = 1000000000;
  document.elements.push_back(lane);
  MapView view;
  view.zoomPosition = static_cast<int>(state.range(0));
  view.cameraX = view.cameraY = -2000.0 * (1 << (3 - view.zoomPosition));
  QImage image;
  for (auto _ : state) {
    RenderMap(document, sample.catalogues.elementDefs, view, MapMarks{}, image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_MapRedrawHugeRoute)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
