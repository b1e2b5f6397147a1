#pragma once

// What the game's benchmarks share: a headless game started on a game folder, the median of timed
// batches on a shared machine, and the flight passes of a frame.

#include <chrono>
#include <functional>
#include <memory>

#include "game/shell/game.h"

// Starts a headless game (no window, no sound device) on the folder given as argv[index], or on
// the built game folder; null, with the reason on stderr, when start-up fails.
std::unique_ptr<Game> StartBenchGame(int argc, char** argv, int index);

// Milliseconds of a steady-clock duration.
double Ms(std::chrono::steady_clock::duration d);

// The median of five batches of `runs` runs of `work`, in ms a run: the machine is shared, and a
// single batch catches its neighbours. `untimed` runs before each run and is not counted.
double MedianBatchMs(int runs, const std::function<void()>& work,
                     const std::function<void()>& untimed = {});

// The flight passes of a frame in the frame loop's order, drawing or not (no traffic spawns).
void RunFlightPasses(Game& game, bool drawing);
