#pragma once

#include <filesystem>
#include <string>

#include "game/world/random.h"
#include "game/world/world_state.h"

// What entering a system needs besides the world: chance, and the game folder holding INI.
struct SystemContext {
  Rng& rng;
  std::filesystem::path gameFolder;
};

// Clears the system lists, keeps only the local ship and other players' ships, creates the objects
// of every system whose square contains the camera and every universe lane, and scatters the star
// field.
void EnterSystem(World& world, const SystemContext& context);

// Reads one system's element file and creates its objects at the current system origin.
void LoadSystemFile(World& world, const SystemContext& context, const std::string& folder);
