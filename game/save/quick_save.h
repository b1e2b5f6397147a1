#pragma once

#include <filesystem>

#include "game/save/save_state.h"
#include "game/world/world_state.h"

// F5 in flight: saves the game under the current save name, without a screen; the ticker says
// "Spiel gespeichert: <name>", or "Spiel nicht gespeichert: <name>" when it failed (a name that
// may not be saved under, such as the new characters' template, or a failed write). A game
// without a name yet is saved as "Schnellspeicher", which becomes its name. True when saved.
bool QuickSave(SaveState& save, World& world, const std::filesystem::path& gameFolder);
