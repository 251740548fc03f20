// When a search must end: a stop flag another thread may raise at any moment, and a deadline.
// Reading the clock and the flag costs more than a node, so both are looked at only every
// kPollInterval calls; a stop is noticed within that many nodes.
#pragma once

#include <atomic>
#include <chrono>

namespace brenvolt::strong {

class BudgetPoll {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr int kPollInterval = 1024;

  // Starts a new search; the first call to expired() looks at once, so a stop asked for
  // before the search began ends it at its first node. stop may be null.
  void start(const std::atomic<bool>* stop) {
    stop_ = stop;
    has_deadline_ = false;
    count_ = kPollInterval - 1;
  }
  void set_deadline(Clock::time_point deadline) {
    deadline_ = deadline;
    has_deadline_ = true;
  }

  // True when, at this call, the flag is up or the deadline has passed.
  bool expired() { return due() && expired_now(); }
  // True once every kPollInterval calls: the time to look.
  bool due() {
    if (++count_ < kPollInterval) return false;
    count_ = 0;
    return true;
  }
  bool expired_now() const {
    return (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) ||
           (has_deadline_ && Clock::now() >= deadline_);
  }

 private:
  const std::atomic<bool>* stop_ = nullptr;
  Clock::time_point deadline_{};
  bool has_deadline_ = false;
  int count_ = 0;
};

}  // namespace brenvolt::strong
