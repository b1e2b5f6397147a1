#pragma once

#include <filesystem>

#include "game/save/save_state.h"
#include "game/ui/menu_state.h"
#include "game/ui/ui_state.h"
#include "game/world/random.h"
#include "game/world/world_state.h"

// What the save and load screens work on.
struct SaveContext {
  MenuState& menu;
  UiState& ui;
  SaveState& save;
  World& world;
  const std::filesystem::path& gameFolder;
  Rng& rng;
};

// Every code of the save screen (14) and the load screen (13): building them, scrolling, picking
// a row, editing the name field, "Speichern" and "Laden" with their result screens. A load that
// succeeds leaves ScreenState at kGameLoaded, on which the menu loop enters the loaded station.
void RunSaveScreenCode(SaveContext& context, int code);

// The y of the list's thumb for a scroll position and a number of names.
int SaveListThumbY(int scroll, int nameCount);

// A new game has no name yet: F5 then saves under the quick save's name, not over the game
// last saved or loaded.
void ForgetSaveName(SaveState& save);
