#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whether a saved game fits the server's universe. A saved game holds a line for each group
// attitude of the player's row and an entry for each place, in the order the game builds them,
// but names neither: a file made for another universe, or cut short, shifts everything after the
// first difference. So the counts are taken from the game folder once, and a game received from
// a client is checked against them before it replaces a stored one.

struct UniverseShape {
  int attitudeLines = 0;  // GroupCount + 1
  int placeCount = 0;     // the places of the whole universe
};

// The shape of the universe in a game folder (INI\Gruppen.ini and the places of every system).
UniverseShape LoadUniverseShape(const std::filesystem::path& gameFolder);

// True when `game` is exactly one saved game for the shape: every item of the layout is there,
// the attitudes are decimal numbers, every place's known flag is 0 or 1, and no byte follows.
// Otherwise false, with `why` set.
bool CheckGameFile(const UniverseShape& shape, std::string_view game, std::string* why);
