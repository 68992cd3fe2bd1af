#include "analysis/worker_pool.h"

#include <system_error>

namespace orbica {

WorkerPool::WorkerPool(int helpers) {
  for (int h = 0; h < helpers; ++h) {
    try {
      threads_.emplace_back([this, h] { Serve(h); });
    } catch (const std::system_error&) {
      break;  // fewer threads then
    }
  }
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void WorkerPool::Run(const std::function<void(int)>& job, const std::function<void()>& own) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    job_ = &job;
    running_ = Helpers();
    ++generation_;
  }
  wake_.notify_all();
  const auto wait = [&] {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [&] { return running_ == 0; });
    job_ = nullptr;
  };
  try {
    own();
  } catch (...) {
    wait();
    throw;
  }
  wait();
}

void WorkerPool::Serve(int helper) {
  std::uint64_t seen = 0;
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return quit_ || generation_ != seen; });
    if (quit_) return;
    seen = generation_;
    const std::function<void(int)>& job = *job_;
    lock.unlock();
    job(helper);
    lock.lock();
    if (--running_ == 0) done_.notify_all();
  }
}

}  // namespace orbica
