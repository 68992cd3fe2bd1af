// BlockQueue: the blocks of one pass handed out to the threads that evaluate
// them, with a small ring for the results of the blocks in flight.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

namespace orbica {

// Blocks of one pass handed out to the threads. At most kRing blocks past the last
// merged one are evaluated ahead, so their evaluations stay in a small ring.
// Threads that have to wait sleep on the atomics instead of spinning.
template <class Slot>
class BlockQueue {
 public:
  static constexpr std::size_t kRing = 16;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  static constexpr std::size_t kLater = static_cast<std::size_t>(-2);

  // `ring` holds the results of the blocks in flight; it is kept from window
  // to window so that its memory is not allocated and cleared again each time.
  BlockQueue(std::size_t blocks, std::size_t blockSize, std::vector<Slot>& ring)
      : blocks_(blocks),
        blockSize_(blockSize),
        ready_(new std::atomic<bool>[std::max<std::size_t>(blocks, 1)]),
        ring_(ring) {
    if (ring_.size() < kRing * blockSize) ring_.resize(kRing * blockSize);
    for (std::size_t b = 0; b < blocks; ++b) ready_[b].store(false, std::memory_order_relaxed);
  }

  // A block to evaluate; kLater when the ring is full (`merged` then tells what
  // to wait for), kNone when every block is taken.
  std::size_t Take(std::size_t& merged) {
    std::size_t b = next_.load();
    for (;;) {
      if (b >= blocks_ || abandoned_.load(std::memory_order_relaxed)) return kNone;
      merged = merged_.load(std::memory_order_acquire);
      if (b >= merged + kRing) return kLater;
      if (next_.compare_exchange_weak(b, b + 1)) return b;
    }
  }
  // Sleeps until blocks past `merged` have been merged (or the pass is abandoned).
  void WaitMerged(std::size_t merged) { merged_.wait(merged, std::memory_order_acquire); }
  Slot* At(std::size_t b) { return ring_.data() + (b % kRing) * blockSize_; }
  void MarkReady(std::size_t b) {
    ready_[b].store(true, std::memory_order_release);
    ready_[b].notify_all();
  }
  bool Ready(std::size_t b) const { return ready_[b].load(std::memory_order_acquire); }
  void WaitReady(std::size_t b) const { ready_[b].wait(false, std::memory_order_acquire); }
  void MarkMerged(std::size_t b) {
    merged_.store(b + 1, std::memory_order_release);
    merged_.notify_all();
  }
  void Abandon() {
    abandoned_.store(true);
    merged_.store(blocks_ + kRing + 1, std::memory_order_release);
    merged_.notify_all();
  }

 private:
  const std::size_t blocks_, blockSize_;
  std::unique_ptr<std::atomic<bool>[]> ready_;
  std::vector<Slot>& ring_;
  std::atomic<std::size_t> next_{0}, merged_{0};
  std::atomic<bool> abandoned_{false};
};

}  // namespace orbica
