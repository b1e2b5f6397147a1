#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "game/shell/game.h"
#include "tests/support/temp_folder.h"

// A game folder made by a test (fill it with WriteMediaFixture and the universe fixtures), so that
// start-up runs without the generated assets. Removed again when it goes out of scope.
using FixtureFolder = TempFolder;

// Writes every planned picture (and a short sound) into the folder; font pictures get a filled
// block in every glyph cell so that drawn text shows up in the pixels.
void WriteMediaFixture(const std::filesystem::path& folder);

// Writes a text file (bytes as given), creating its folder.
void WriteFixtureFile(const std::filesystem::path& file, const std::string& bytes);

// Shuts the media layer down with the game.
struct GameDeleter {
  void operator()(Game* game) const;
};
using GamePtr = std::unique_ptr<Game, GameDeleter>;

// A game with a headless screen and no pictures loaded.
GamePtr MakeHeadlessGame();

// A game started on a fixture folder (start-up run to its end).
GamePtr MakeStartedGame(const std::filesystem::path& folder);

// A 20 x 20 picture with a quad of the same number: a black (key-colour) left half and the colour
// in the right half.
void MakeHalfKeyedPicture(Media& media, int number, int colour);
