// The game program: start-up, then frames until the player quits.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/shell/network_play.h"
#include "game/shell/script_run.h"
#include "game/shell/startup.h"

// VELMARITH_SEED fixes the random seed, so that a script replays the same run; otherwise the clock
// seeds it. False when the variable is set but is no whole number.
static bool ChooseSeed(Rng& rng) {
  const char* text = std::getenv("VELMARITH_SEED");
  if (!text || !*text) {
    SeedRandom(rng, TickMs() ^ static_cast<std::uint64_t>(std::time(nullptr)));
    return true;
  }
  char* end = nullptr;
  const unsigned long long seed = std::strtoull(text, &end, 10);
  if (*end != '\0' || *text == '-') {
    std::fprintf(stderr, "VELMARITH_SEED must be a whole number, not \"%s\"\n", text);
    return false;
  }
  SeedRandom(rng, seed);
  return true;
}

static bool HeadlessRequested() {
  const char* headless = std::getenv("VELMARITH_HEADLESS");
  return headless && std::strcmp(headless, "1") == 0;
}

int main() {
  auto game = std::make_unique<Game>();
  game->folder = FindGameFolder();
  if (!ChooseSeed(game->rng)) return 2;

  ScriptRun script;
  const char* file = std::getenv("VELMARITH_SCRIPT");
  const bool scripted = file && *file;
  if (scripted) {
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
  // Even a script without commands is attached: a headless run then ends after its first frame
  // instead of running unseen for ever.
  if (scripted) AttachScript(*game, script);
  OpenStartMenu(*game);

  while (!game->media.quitRequested) RunFrame(*game);
  // However the program ends (the window closed, the desktop logging out), a character's game in
  // progress goes back to the server as with Escape; closing waits only briefly for the server.
  EndNetworkPlay(*game);

  int status = script.status;
  if (scripted && script.next < script.commands.size()) {
    // The game ended before the script was done: whatever it still meant to check went unchecked.
    std::fprintf(stderr, "%s:%d: the run ended at frame %d before this line\n", script.name.c_str(),
                 script.commands[script.next].line, script.frame);
    status = 1;
  }
  ShutdownMedia(game->media);
  return status;
}
