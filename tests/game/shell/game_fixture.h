#pragma once

#include <filesystem>

#include "game/shell/game.h"
#include "tests/game/support/fixture_files.h"
#include "tests/game/support/media_fixture.h"

// A whole game, its media shut down with it.
using GamePtr = PartsPtr<Game>;

// A game with a headless screen and no pictures loaded.
inline GamePtr MakeHeadlessGame() {
  return MakeParts<Game>();
}

// A game started on a game folder (start-up run to its end).
GamePtr MakeStartedGame(const std::filesystem::path& folder);
