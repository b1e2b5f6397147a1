#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/flight/flight_context.h"
#include "tests/game/support/media_fixture.h"
#include "tests/game/support/world_fixture.h"

// What the flight passes work on, without the rest of the game; named as the game names its
// parts, so that a test reads the same with either.
struct FlightParts {
  std::filesystem::path folder;  // the game folder; empty when the test reads no data
  Media media;
  Catalogues catalogues;
  Settings settings;
  Rng rng;
  World world;
  FrameState frame;
  UiState ui;
};

// Flight's view of the parts, as the shell hands it over each frame.
FlightContext FlightOf(FlightParts& parts);

// Flight parts with a headless screen, armed for fights (see ArmForCombat).
class Combat : public testing::Test {
 public:
  // A ready weapon field of the index.
  static std::string Weapon(int index) { return ReadyWeapon(index); }

 protected:
  void SetUp() override;

  // A computer ship of type 1 and the group, standing still at (x, y).
  ShipRecord& AddComputer(int id, int group, float x, float y, float heading = 0);
  FlightContext Flight();
  ShipRecord& Local() { return *game->world.ships.Front(); }
  void PointAt(int x, int y);  // the mouse pointer

  PartsPtr<FlightParts> game;
};
