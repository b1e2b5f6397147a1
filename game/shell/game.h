#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "game/hud/hud_state.h"
#include "game/media/media.h"
#include "game/net/net_state.h"
#include "game/save/save_state.h"
#include "game/shell/frame_hooks.h"
#include "game/stations/station_state.h"
#include "game/ui/menu_state.h"
#include "game/ui/ui_state.h"
#include "game/world/catalogues.h"
#include "game/world/frame_state.h"
#include "game/world/random.h"
#include "game/world/settings.h"
#include "game/world/world_state.h"

// Text fonts made at start-up for text drawn into pictures.
struct FontHandles {
  int title = -1;   // "Arial Black" 40
  int large = -1;   // "Courier New Fett" 16
  int medium = -1;  // "Courier New Fett" 12
  int small = -1;   // "Courier New Fett" 8
  int list = -1;    // "Courier New Fett" 10
};

// Which loop is running.
struct LoopState {
  bool menuRunning = false;  // the menu loop runs its own frames
};

// One game program: everything the frame loop and the menus work on. Tests build their own.
// The shell hands each subsystem the parts it uses; no subsystem sees the whole of it.
struct Game {
  // For the run.
  std::filesystem::path folder;  // the game folder; data paths are relative to it
  Media media;
  Catalogues catalogues;
  Settings settings;
  FontHandles fonts;
  Rng rng;

  // One game (and, inside it, the visit to the current system).
  World world;

  // Frames, screens and overlays.
  FrameState frame;
  LoopState loop;
  FrameHooks hooks;
  MenuState menu;
  UiState ui;
  HudState hud;
  StationState station;
  SaveState save;
  NetState net;
};

// The file of a data path ("INI\Universum.ini") inside the game folder.
std::filesystem::path GameFile(const Game& game, std::string_view dataPath);

// The game folder: VELMARITH_HOME when set, else the folder of the running program.
std::filesystem::path FindGameFolder();
