#pragma once

#include <filesystem>

#include "game/save/save_state.h"
#include "game/world/world_state.h"

// F5 in flight: saves the game under the current save name, without a screen or a message. A
// game without a name yet is saved as "Schnellspeicher", which becomes its name. True when saved.
bool QuickSave(SaveState& save, const World& world, const std::filesystem::path& gameFolder);
