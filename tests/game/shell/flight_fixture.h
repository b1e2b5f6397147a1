#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "frame_schedule.h"
#include "game/flight/flight_context.h"
#include "game_fixture.h"
#include "tests/game/support/world_fixture.h"

// The assembled sample game folder, started headless; its flight is driven frame by frame, in the
// flight loop and inside the menus it opens, with input given at chosen frames.
class SampleFlight {
 public:
  SampleFlight();

  // A free game, left from the start station: the next frame is a flight frame.
  void StartInFlight();

  // Puts the local ship at a place of the current system, standing still.
  void PlaceShip(float x, float y, float heading);

  // Runs things at frames counted from now (every shown frame, flight and menus alike).
  void At(int frame, std::function<void()> action);
  void Click(int frame, int x, int y);        // left button down, up two frames later
  void Tap(int frame, int scanCode);          // down, up the next frame
  void Hold(int from, int to, int scanCode);  // down at `from`, up at `to`
  // Runs flight frames until `frames` frames have been shown from now (menus included) or the
  // game ends; the schedule is then cleared.
  void Run(int frames);

  // Where the object's middle is on the screen in the current view.
  bool ScreenPoint(const SystemObjectRecord& object, int& x, int& y) const;
  // The first object with that name and type; nullptr when none.
  const SystemObjectRecord* Object(const std::string& name, int type) const;

  ShipRecord& Ship() { return *game->world.ships.Front(); }
  bool InMenu() const { return game->loop.menuRunning; }
  std::string Title() const;  // the caption of the current screen's first item

  GamePtr game;

 private:
  int frame_ = 0;
  int end_ = 0;
  FrameSchedule schedule_;
};
