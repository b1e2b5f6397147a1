#pragma once

#include <filesystem>

#include "game/media/media.h"
#include "game/ui/ui_state.h"
#include "game/world/catalogues.h"
#include "game/world/frame_state.h"
#include "game/world/random.h"
#include "game/world/settings.h"
#include "game/world/world_state.h"

// What the player pass asks this frame of the layers above flight (saved games, the network);
// the shell carries it out after the pass.
struct FlightRequests {
  bool quickSave = false;       // F5 was released
  bool reportMovement = false;  // the local ship moved or turned: tell the server
};

// What the flight passes work on. The shell hands it over each frame; flight never sees the rest
// of the game.
struct FlightContext {
  World& world;
  Media& media;
  const Catalogues& catalogues;
  const Settings& settings;
  UiState& ui;  // the mouse buttons' states of this frame
  FrameState& frame;
  Rng& rng;
  const std::filesystem::path& gameFolder;
  FlightRequests requests{};
  // False runs the simulation alone, drawing nothing (benchmarks weigh the two apart).
  bool drawing = true;
};
