#pragma once

#include <filesystem>

#include "game/world/world_state.h"

// F5 in flight: saves the game under the current save name, without a screen or a message.
void QuickSave(const World& world, const std::filesystem::path& gameFolder);
