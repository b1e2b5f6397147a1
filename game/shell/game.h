#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "game/shell/media.h"
#include "game/shell/menu_state.h"
#include "game/shell/settings.h"
#include "game/stations/station_state.h"
#include "game/ui/hud_state.h"
#include "game/ui/ui_state.h"
#include "game/world/catalogues.h"
#include "game/world/random.h"
#include "game/world/world_state.h"

// Frame-loop state.
struct LoopState {
  int frameCounter = 0;      // +10 every frame
  int announcementStep = 0;  // docking announcement, 0 idle, 1..19 running
  int dockedRequest = 0;     // raised by flight when the local ship has docked
  bool menuRunning = false;  // the menu loop runs its own frames
  int hoveredItem = 0;       // list position of the menu item under the mouse, 0 none
};

// Text fonts made at start-up for text drawn into pictures.
struct FontHandles {
  int title = -1;   // "Arial Black" 40
  int large = -1;   // "Courier New Fett" 16
  int medium = -1;  // "Courier New Fett" 12
  int small = -1;   // "Courier New Fett" 8
  int list = -1;    // "Courier New Fett" 10
};

// One game: everything the frame loop and the menus work on. Tests build their own.
struct Game {
  std::filesystem::path folder;  // the game folder; data paths are relative to it
  Media media;
  World world;
  Catalogues catalogues;
  MenuState menu;
  UiState ui;
  HudState hud;
  StationState station;
  LoopState loop;
  Settings settings;
  FontHandles fonts;
  Rng rng;
};

// The file of a data path ("INI\Universum.ini") inside the game folder.
std::filesystem::path GameFile(const Game& game, std::string_view dataPath);

// The game folder: VELMARITH_HOME when set, else the folder of the running program.
std::filesystem::path FindGameFolder();
