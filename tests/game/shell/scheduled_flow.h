#pragma once

// A started game that runs things at given frames (counted at every flip, in menus and flight
// alike), so that a test can click, type and look inside the modal menu loop as a player would.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "frame_schedule.h"
#include "game/shell/game.h"
#include "game/ui/menu_items.h"
#include "game_fixture.h"

class ScheduledFlow : public testing::Test {
 protected:
  // Starts the game on the fixture folder, which the subclass has filled, and hooks the schedule
  // to its flips.
  void StartGame();

  // Runs the action after the given frame, after what was scheduled there before.
  void At(int when, std::function<void()> action);

  // Presses the left button over (x, y) after the given frame and lets go `clickFrames` later.
  // While the menu's screen is too new to take the press, the schedule waits for it.
  void ClickAt(int when, int x, int y);

  // Clicks the item with this caption wherever the screen shown then has it.
  void ClickOn(int when, const std::string& caption);

  // Presses the key after the given frame and lets go one frame later.
  void TapKey(int when, int code);

  // The item with this caption on the screen shown now, or null.
  const MenuItemRecord* Item(const std::string& caption);

  // The start menu, then flight frames, until the schedule's last frame. A run that ends before a
  // scheduled frame fails: its checks would silently not have run.
  void Play(int frames);

  FixtureFolder folder;
  GamePtr game;
  int frame = 0;
  int lastFrame = 0;
  int clickFrames = 2;
  FrameSchedule schedule;
  std::set<int> pressFrames;  // frames whose action begins a click
};
