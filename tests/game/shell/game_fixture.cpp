#include "game_fixture.h"

#include <gtest/gtest.h>

#include "game/shell/startup.h"

GamePtr MakeStartedGame(const std::filesystem::path& folder) {
  GamePtr game(new Game);
  game->folder = folder;
  StartupFailure failure;
  EXPECT_TRUE(RunStartup(*game, true, failure)) << failure.text;
  return game;
}
