// WorkerPool: the helper threads of one search, started once and handed one job
// per window, so that a run does not start and join threads window by window.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace orbica {

class WorkerPool {
 public:
  // Starts up to `helpers` threads; fewer when the system will not make more.
  explicit WorkerPool(int helpers);
  // Ends the threads (no job may be running).
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  int Helpers() const { return static_cast<int>(threads_.size()); }

  // Runs job(h) on every helper h = 0..Helpers()-1 while the calling thread runs
  // `own`, and returns once all of them have finished, also when `own` throws
  // (the exception then goes on to the caller). `job` must not throw.
  void Run(const std::function<void(int)>& job, const std::function<void()>& own);

 private:
  void Serve(int helper);

  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  const std::function<void(int)>* job_ = nullptr;  // guarded by mutex_
  std::uint64_t generation_ = 0;                   // guarded by mutex_: one step per job
  int running_ = 0;                                // guarded by mutex_: helpers still at the job
  bool quit_ = false;                              // guarded by mutex_
};

}  // namespace orbica
