// The game program: start-up, then frames until the player quits.

#include <cstdlib>
#include <cstring>
#include <memory>

#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/shell/script_run.h"
#include "game/shell/startup.h"

static bool HeadlessRequested() {
  const char* headless = std::getenv("VELMARITH_HEADLESS");
  return headless && std::strcmp(headless, "1") == 0;
}

int main() {
  auto game = std::make_unique<Game>();
  game->folder = FindGameFolder();
  SeedRandom(game->rng, static_cast<std::uint32_t>(TickMs() ^ std::time(nullptr)));

  ScriptRun script;
  if (const char* file = std::getenv("VELMARITH_SCRIPT"); file && *file) {
    std::string error;
    if (!LoadScript(file, script, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 2;
    }
  }

  StartupFailure failure;
  if (!RunStartup(*game, HeadlessRequested(), failure)) {
    ReportFatalError(game->media, failure);
    ShutdownMedia(game->media);
    return 1;
  }
  if (!script.commands.empty()) AttachScript(*game, script);
  OpenStartMenu(*game);

  while (!game->media.quitRequested) RunFrame(*game);

  const int status = script.status;
  ShutdownMedia(game->media);
  return status;
}
