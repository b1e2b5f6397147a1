#pragma once

#include <filesystem>

#include "game/world/world_state.h"

// The groups' attitudes towards each other (World::groups). Every new game starts from the
// authored table: the file is read again, and its arrays always have their full bounds
// (groups 0..300), so any index inside the bounds is safe.
void ResetAttitudes(World& world, const std::filesystem::path& groupsFile);
