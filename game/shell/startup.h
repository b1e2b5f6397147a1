#pragma once

#include "game/shell/fatal_error.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct Game;

// Where start-up spends its time, phase by phase (milliseconds), for the benchmark.
struct StartupProfile {
  std::vector<std::pair<std::string, std::uint64_t>> phases;
};

// The start-up sequence: platform, key table, lists, settings, fonts, the screen, every picture
// and sound of the numbering plan with the loading screen, the world data, and the loop set-up.
// False with the failure to report when the game cannot start.
bool RunStartup(Game& game, bool headless, StartupFailure& failure,
                StartupProfile* profile = nullptr);
