#include "server/storage_worker.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr int kWorkerNice = 10;

void Wake(StorageWorker& worker) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = write(worker.wakeWrite, &byte, 1);
}

void Serve(StorageWorker& worker) {
  // The relay goes first: when the two compete for a processor, the event loop wins.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWorkerNice);
  std::unique_lock<std::mutex> lock(worker.mutex);
  for (;;) {
    worker.jobsWaiting.wait(lock, [&] { return worker.stopping || !worker.jobs.empty(); });
    if (worker.jobs.empty()) return;  // stopping, and nothing left to do
    StorageJob job = std::move(worker.jobs.front());
    worker.jobs.pop_front();
    lock.unlock();
    StorageAnswer answer = RunStorageJob(*worker.storage, std::move(job));
    lock.lock();
    worker.answers.push_back(std::move(answer));
    if (worker.answers.size() == 1) Wake(worker);
  }
}

}  // namespace

bool StartStorageWorker(StorageWorker& worker, Storage& storage, std::string* error) {
  int wake[2];
  if (pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0) {
    *error = std::string("cannot make a pipe: ") + std::strerror(errno);
    return false;
  }
  worker.wakeRead = wake[0];
  worker.wakeWrite = wake[1];
  worker.storage = &storage;
  worker.thread = std::thread(Serve, std::ref(worker));
  return true;
}

void PostStorageJob(StorageWorker& worker, StorageJob job) {
  {
    std::lock_guard<std::mutex> lock(worker.mutex);
    worker.jobs.push_back(std::move(job));
  }
  worker.jobsWaiting.notify_one();
}

std::vector<StorageAnswer> TakeStorageAnswers(StorageWorker& worker) {
  char drained[64];
  while (read(worker.wakeRead, drained, sizeof drained) > 0) {
  }
  std::lock_guard<std::mutex> lock(worker.mutex);
  std::vector<StorageAnswer> answers;
  answers.swap(worker.answers);
  return answers;
}

void StopStorageWorker(StorageWorker& worker) {
  if (worker.thread.joinable()) {
    {
      std::lock_guard<std::mutex> lock(worker.mutex);
      worker.stopping = true;
    }
    worker.jobsWaiting.notify_one();
    worker.thread.join();
  }
  for (int* fd : {&worker.wakeRead, &worker.wakeWrite}) {
    if (*fd >= 0) close(*fd);
    *fd = -1;
  }
}
