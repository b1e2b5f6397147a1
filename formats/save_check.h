#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "formats/save_file.h"

// Whether a save file fits a universe: one check for the game's load, the network client and the
// game server, so that all of them accept and refuse the same files.

// The shape of the universe in a game folder as the game builds it at start-up: the places of
// every system's docking rings (ScanPlaces, the game's place list) and the groups of
// INI\Gruppen.ini. Missing files count as empty, as they do for the game.
UniverseShape LoadUniverseShape(const std::filesystem::path& gameFolder);

struct SaveCheck {
  bool fits = false;
  std::string reason;  // why not, when it does not fit
};

// Does the file read whole for this universe: no item missing, nothing left over, every
// attitude line a decimal number.
SaveCheck CheckSaveFile(std::string_view bytes, const UniverseShape& shape);

// The same against the universe of a game folder. A folder without INI\ holds no universe at all
// and fits nothing.
SaveCheck CheckSaveFile(std::string_view bytes, const std::filesystem::path& gameFolder);
