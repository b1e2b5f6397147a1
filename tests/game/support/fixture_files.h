#pragma once

#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

// A game folder made by a test (fill it with WriteMediaFixture and the universe fixtures), so that
// start-up runs without the generated assets. Removed again when it goes out of scope.
using FixtureFolder = TempFolder;

// Writes every planned picture (and a short sound) into the folder; font pictures get a filled
// block in every glyph cell so that drawn text shows up in the pixels.
void WriteMediaFixture(const std::filesystem::path& folder);

// Writes a text file (bytes as given), creating its folder.
void WriteFixtureFile(const std::filesystem::path& file, const std::string& bytes);
