#pragma once

// Threads that help the main thread draw a frame: a job runs on every helper and on the caller
// at once, and the call returns when all have finished it. The helpers sleep between jobs and
// are joined when stopped.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct DrawWorkers {
  std::vector<std::thread> threads;
  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable finished;
  const std::function<void()>* job = nullptr;
  std::uint64_t generation = 0;
  int running = 0;
  bool stopping = false;

  ~DrawWorkers();  // joins the helpers of a screen that was never closed
};

// Starts `helpers` threads (none for a single-threaded frame).
void StartDrawWorkers(DrawWorkers& workers, int helpers);
void StopDrawWorkers(DrawWorkers& workers);
void RunOnAllWorkers(DrawWorkers& workers, const std::function<void()>& job);

// How many threads draw a frame: VELMARITH_DRAW_THREADS when set (1..64), else the cores, at
// most 8.
int DrawThreadCount();
