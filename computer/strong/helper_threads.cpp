#include "computer/strong/helper_threads.h"

namespace brenvolt::strong {

void HelperThreads::resize(int count, TranspositionTable& table) {
  finish();
  searchers_.clear();
  for (int i = 0; i < count; ++i) searchers_.push_back(std::make_unique<Helper>(table));
  threads_.reserve(searchers_.size());
}

void HelperThreads::start(const Board& root, const MoveList& root_moves) {
  finish();
  root_ = root;
  *root_moves_ = root_moves;
  stop_.store(false);
  for (std::size_t i = 0; i < searchers_.size(); ++i) {
    Helper& helper = *searchers_[i];
    helper.nodes.store(0, std::memory_order_relaxed);
    threads_.emplace_back([&helper, this, number = static_cast<int>(i) + 1] {
      helper.search.help(root_, *root_moves_, number, stop_, helper.nodes);
    });
  }
}

std::uint64_t HelperThreads::finish() {
  if (threads_.empty()) return 0;
  stop_.store(true);
  for (std::thread& t : threads_) t.join();
  threads_.clear();
  return nodes();
}

std::uint64_t HelperThreads::nodes() const {
  std::uint64_t total = 0;
  for (const auto& helper : searchers_) total += helper->nodes.load(std::memory_order_relaxed);
  return total;
}

}  // namespace brenvolt::strong
