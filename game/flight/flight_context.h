#pragma once

#include <filesystem>
#include <vector>

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

// A label already placed on the screen this frame (left, top, right, bottom).
struct LabelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline bool BoxHolds(const LabelBox& box, int x, int y) {
  return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

// The boxes of the screen that the HUD holds this frame, known before flight runs (its places
// are fixed): its controls, where a press belongs to the HUD, and everything it covers (the
// controls too), which markers' labels keep out of.
struct HudZones {
  std::vector<LabelBox> controls;
  std::vector<LabelBox> occupied;
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
  // The labels of markers and near objects drawn so far this frame; an edge marker's label moves
  // clear of them.
  std::vector<LabelBox> edgeLabels{};
  HudZones hudZones{};
  // False runs the simulation alone, drawing nothing (benchmarks weigh the two apart).
  bool drawing = true;
};
