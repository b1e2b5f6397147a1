// The 50-frames-a-second cap in a real window: 30 s of flight in the start system, full screen
// on the desktop as players have it (the renderer chosen as the game chooses it, or as
// VELMARITH_RENDERER says).
//   build/bench/bench_flight_frame_cap [game folder] [seconds]
// Without a display it runs itself again under xvfb-run on a 1920 x 1080 desktop.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/media/scan_codes.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/game_flow.h"
#include "game/shell/startup.h"

int main(int argc, char** argv) {
  const char* display = std::getenv("DISPLAY");
  if ((!display || !*display) && !std::getenv("VELMARITH_BENCH_NO_XVFB")) {
    setenv("VELMARITH_BENCH_NO_XVFB", "1", 1);
    std::vector<char*> args = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                               const_cast<char*>("-s"), const_cast<char*>("-screen 0 1920x1080x24")};
    for (int i = 0; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);
    execvp("xvfb-run", args.data());
    std::printf("no display and no xvfb-run: skipped\n");
    return 0;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  auto game = std::make_unique<Game>();
  game->folder = argc > 1 ? argv[1] : VELMARITH_GAME_DIR;
  const double seconds = argc > 2 ? std::atof(argv[2]) : 30;
  StartupFailure failure;
  if (!RunStartup(*game, false, failure)) {
    std::fprintf(stderr, "start-up failed: %s\n", failure.text.c_str());
    return 1;
  }
  StartFreeGame(*game);
  LeaveMenuToFlight(*game);
  std::printf("drawn by %s\n", ScreenRendererName(game->media).c_str());

  // Full speed ahead in a wide curve, past planets, lanes and dust.
  InjectKey(game->media, kKeyW, true);
  InjectMouseMove(game->media, 700, 300);
  InjectKey(game->media, kKeySpace, true);
  RunFrame(*game);
  InjectKey(game->media, kKeySpace, false);

  using Clock = std::chrono::steady_clock;
  std::vector<double> frameMs;
  const auto start = Clock::now();
  auto last = start;
  while (std::chrono::duration<double>(Clock::now() - start).count() < seconds) {
    RunFrame(*game);
    game->world.docking.dockedRequest = 0;
    const auto now = Clock::now();
    frameMs.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  }
  const double elapsed = std::chrono::duration<double>(last - start).count();
  std::sort(frameMs.begin(), frameMs.end());
  std::printf("windowed flight: %zu frames in %.1f s = %.2f frames a second\n", frameMs.size(),
              elapsed, frameMs.size() / elapsed);
  const auto late =
      std::count_if(frameMs.begin(), frameMs.end(), [](double ms) { return ms > 22; });
  std::printf(
      "  frame time: median %.2f ms, 99th percentile %.2f ms, longest %.2f ms; %ld over 22 ms\n",
      frameMs[frameMs.size() / 2], frameMs[frameMs.size() * 99 / 100], frameMs.back(),
      static_cast<long>(late));
  ShutdownMedia(game->media);
  return 0;
}
