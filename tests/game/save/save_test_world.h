#pragma once

#include <filesystem>
#include <string>

#include "game/world/random.h"
#include "game/world/world_state.h"
#include "tests/support/temp_folder.h"

// A game in progress without media: the fixture universe with a second system, so that the places
// list holds "Aussenposten" (system "Ferne") before "Planet Neue Allianz" (system "Heimat"), its
// groups, and a local ship docked at "Planet Neue Allianz" with money, cargo and weapons.
struct SaveTestWorld {
  TempFolder folder{"save"};
  World world;
  Rng rng;

  SaveTestWorld();

  std::filesystem::path SaveFile(const std::string& name) const;
  // The file's bytes ("" when missing).
  std::string FileBytes(const std::string& name) const;
  // Every entry under the game folder, with its size, one per line: shows any file written.
  std::string FolderListing() const;
};
