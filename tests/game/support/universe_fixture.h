#pragma once

#include <filesystem>

// A tiny universe in a game folder: one ship type, the start weapon "Loku I" and one more, two
// groups, two goods, and a start system "Heimat" at (0, 0) whose docking ring is
// "Planet Neue Allianz" with a place file of offers and people.
void WriteUniverseFixture(const std::filesystem::path& folder);
