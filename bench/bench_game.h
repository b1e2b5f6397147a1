#pragma once

// What the game's benchmarks share: a headless game started on a game folder, the median of timed
// batches on a shared machine, and the flight passes of a frame.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "game/shell/game.h"

// Starts a headless game (no window, no sound device) on the folder given as argv[index], or on
// the built game folder, and a free game in it, in flight from the start station. The random
// numbers are seeded with `seed` first when one is given. Null, with the reason on stderr, when
// start-up fails.
std::unique_ptr<Game> StartBenchFlight(int argc, char** argv, int index,
                                       std::optional<std::uint64_t> seed = std::nullopt);

// Milliseconds of a steady-clock duration.
double Ms(std::chrono::steady_clock::duration d);

// The median of five batches of `runs` runs of `work`, in ms a run: the machine is shared, and a
// single batch catches its neighbours. `untimed` runs before each run and is not counted.
double MedianBatchMs(int runs, const std::function<void()>& work,
                     const std::function<void()>& untimed = {});

// The flight passes of a frame in the frame loop's order, drawing or not (no traffic spawns).
void RunFlightPasses(Game& game, bool drawing);
