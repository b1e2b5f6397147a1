#pragma once

#include <string>

// What a computer ship of a group flies and carries (computer_ships.h). A group whose name has no
// row in the loadout table flies what the previous computer ship got, so the loadout chosen last
// is kept for the game (World::lastLoadout). Before any ship was made it is ship type 1 with
// nothing on board.
struct ComputerLoadout {
  int shipType = 1;
  std::string weapons;  // 10-character fields: weapon index (5), cooldown "0    "
  std::string cargo;    // one field: goods index (5), amount 1..5 (5)
};
