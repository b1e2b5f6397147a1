#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "server/storage_jobs.h"

// The thread that owns the store while the server runs. The event loop posts jobs and takes
// answers; `wakeRead` becomes readable whenever answers are waiting, so the loop can poll it with
// its sockets.
struct StorageWorker {
  Storage* storage = nullptr;
  std::thread thread;
  std::mutex mutex;
  std::condition_variable jobsWaiting;
  std::deque<StorageJob> jobs;
  std::vector<StorageAnswer> answers;
  bool stopping = false;
  int wakeRead = -1;
  int wakeWrite = -1;
};

// Starts the thread; false with `error` set when it cannot.
bool StartStorageWorker(StorageWorker& worker, Storage& storage, std::string* error);

void PostStorageJob(StorageWorker& worker, StorageJob job);

// The answers that are ready, in the order their jobs were posted.
std::vector<StorageAnswer> TakeStorageAnswers(StorageWorker& worker);

// Runs every job still queued (a returned game is on disk before the server ends), then ends the
// thread. Their answers can still be taken.
void StopStorageWorker(StorageWorker& worker);
