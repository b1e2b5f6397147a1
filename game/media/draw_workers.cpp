#include "game/media/draw_workers.h"

#include <algorithm>
#include <cstdlib>

namespace {

void HelperLoop(DrawWorkers& workers) {
  std::uint64_t seen = 0;
  for (;;) {
    const std::function<void()>* job = nullptr;
    {
      std::unique_lock lock(workers.mutex);
      workers.wake.wait(lock, [&] { return workers.stopping || workers.generation != seen; });
      if (workers.stopping) return;
      seen = workers.generation;
      job = workers.job;
    }
    (*job)();
    std::lock_guard lock(workers.mutex);
    if (--workers.running == 0) workers.finished.notify_one();
  }
}

}  // namespace

void StartDrawWorkers(DrawWorkers& workers, int helpers) {
  StopDrawWorkers(workers);
  workers.stopping = false;
  for (int i = 0; i < helpers; ++i) workers.threads.emplace_back(HelperLoop, std::ref(workers));
}

void StopDrawWorkers(DrawWorkers& workers) {
  {
    std::lock_guard lock(workers.mutex);
    workers.stopping = true;
  }
  workers.wake.notify_all();
  for (std::thread& thread : workers.threads) thread.join();
  workers.threads.clear();
}

DrawWorkers::~DrawWorkers() {
  StopDrawWorkers(*this);
}

void RunOnAllWorkers(DrawWorkers& workers, const std::function<void()>& job) {
  if (workers.threads.empty()) {
    job();
    return;
  }
  {
    std::lock_guard lock(workers.mutex);
    workers.job = &job;
    workers.running = static_cast<int>(workers.threads.size());
    ++workers.generation;
  }
  workers.wake.notify_all();
  job();
  std::unique_lock lock(workers.mutex);
  workers.finished.wait(lock, [&] { return workers.running == 0; });
}

int DrawThreadCount() {
  if (const char* text = std::getenv("VELMARITH_DRAW_THREADS"); text && *text) {
    const int count = std::atoi(text);
    if (count >= 1 && count <= 64) return count;
  }
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, 8);
}
