// The end of a run as "Beenden" ends it: the media layer's shut-down (pictures, sound, fonts,
// window, SDL) and the game's destruction, after a start-up on the assembled game folder and a
// second of menu frames. Headless without a display; with one, the real window in full screen:
//   build/bench/bench_media_quit [game folder]
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bench/bench_media_quit
// SDL_AUDIODRIVER=dummy gives it a sound device that plays in real time.

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/shell/startup.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

struct QuitFigures {
  double shutdownMs = 0;
  double destroyMs = 0;
};

bool RunOnce(const std::string& folder, bool headless, QuitFigures& figures, std::string& audio) {
  auto* game = new Game;
  game->folder = folder;
  StartupFailure failure;
  if (!RunStartup(*game, headless, failure)) {
    std::fprintf(stderr, "start-up failed: %s\n", failure.text.c_str());
    ShutdownMedia(game->media);
    delete game;
    return false;
  }
  const char* driver = SDL_GetCurrentAudioDriver();
  audio = driver ? driver : "none";
  PrepareStartMenu(*game);
  for (int i = 0; i < 50; ++i) RunMenuFrame(*game);
  auto start = std::chrono::steady_clock::now();
  ShutdownMedia(game->media);
  figures.shutdownMs = MillisecondsSince(start);
  start = std::chrono::steady_clock::now();
  delete game;
  figures.destroyMs = MillisecondsSince(start);
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : VELMARITH_GAME_DIR;
  const char* display = std::getenv("DISPLAY");
  const char* headlessVariable = std::getenv("VELMARITH_HEADLESS");
  const bool headless =
      !display || !*display || (headlessVariable && std::strcmp(headlessVariable, "1") == 0);
  std::vector<double> shutdown;
  std::vector<double> destroy;
  std::string audio;
  for (int run = 0; run < 5; ++run) {
    QuitFigures figures;
    if (!RunOnce(folder, headless, figures, audio)) return 1;
    shutdown.push_back(figures.shutdownMs);
    destroy.push_back(figures.destroyMs);
  }
  std::printf("quit (%s, sound: %s), median of 5:\n", headless ? "headless" : "windowed",
              audio.c_str());
  std::printf("  media shut-down (pictures, sound, fonts, screen, SDL): %7.1f ms\n",
              Median(shutdown));
  std::printf("  game destroyed:                                       %7.1f ms\n",
              Median(destroy));
  return 0;
}
