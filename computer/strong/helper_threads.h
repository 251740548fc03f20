// The helpers of a lazy SMP search: threads that search the main search's root beside it over
// the shared table, each with a board, move lists and history of its own, made once when their
// number is set and kept. Their threads start when the main search has settled its root and
// end when it has done, so that nothing of them runs between searches.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "computer/strong/alpha_beta.h"

namespace brenvolt::strong {

class HelperThreads {
 public:
  HelperThreads() = default;
  ~HelperThreads() { finish(); }
  HelperThreads(const HelperThreads&) = delete;
  HelperThreads& operator=(const HelperThreads&) = delete;

  // count helpers over table; only while none runs.
  void resize(int count, TranspositionTable& table);
  int count() const { return static_cast<int>(searchers_.size()); }

  // Starts every helper on root's root_moves and returns at once.
  void start(const Board& root, const MoveList& root_moves);
  // Stops the helpers and waits for them; the nodes they searched since start().
  std::uint64_t finish();
  // The nodes the helpers had searched at their last polls.
  std::uint64_t nodes() const;

 private:
  struct Helper {
    explicit Helper(TranspositionTable& table) : search(table) {}
    AlphaBeta search;
    std::atomic<std::uint64_t> nodes{0};
  };
  std::vector<std::unique_ptr<Helper>> searchers_;
  // The root they search, copied from the main search, which goes on changing its own.
  Board root_;
  std::unique_ptr<MoveList> root_moves_ = std::make_unique<MoveList>();
  std::vector<std::thread> threads_;
  std::atomic<bool> stop_{false};
};

}  // namespace brenvolt::strong
