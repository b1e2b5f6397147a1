#pragma once

#include <string>

struct Game;

// The world state as JSON: the frame, the loop that runs, the world scalars, the screen state,
// the count of every list, the records of Ships, SystemObjects, Places and MenuItems with every
// field, and the catalogue counts.
std::string DumpState(const Game& game, int frame);
