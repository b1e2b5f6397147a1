#pragma once

#include <filesystem>

#include "game/net/net_state.h"
#include "game/save/save_state.h"
#include "game/ui/menu_state.h"
#include "game/ui/ui_state.h"
#include "game/world/catalogues.h"
#include "game/world/random.h"
#include "game/world/settings.h"
#include "game/world/world_state.h"

// What the network screens and the menus' polling work on; the shell hands it over.
struct NetContext {
  NetState& net;
  World& world;
  MenuState& menu;
  UiState& ui;
  SaveState& save;
  Settings& settings;
  const Catalogues& catalogues;
  Rng& rng;
  const std::filesystem::path& gameFolder;
};
