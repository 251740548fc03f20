// The strong computer of the engine, searching on a thread of its own so the engine goes on
// reading commands meanwhile: progress lines after every completed depth, then the best move.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>

#include "computer/strong/searcher.h"
#include "engine/output.h"
#include "game/game_state.h"

namespace brenvolt::engine {

// The table's size when none is asked for: small, so the engine's memory stays near that of
// the standard computer's.
inline constexpr std::size_t kDefaultHashMb = 16;
inline constexpr std::size_t kMaxHashMb = 1024;

class SearchWorker {
 public:
  explicit SearchWorker(Output& out) : out_(out) {}
  // Stops a running search; its best move is still written.
  ~SearchWorker();
  SearchWorker(const SearchWorker&) = delete;
  SearchWorker& operator=(const SearchWorker&) = delete;

  // Starts searching position for position.手番, after any search still running has ended on
  // its own. With `fresh` the table is emptied first, so a fixed depth or node count gives the
  // same answer whatever was searched before.
  void start(const 対局状態& position, const 探索制限& limits, bool fresh);
  // Ends a running search now; returns once its best move is written. Nothing without one.
  void stop();
  // Returns once a running search has ended on its own and written its best move.
  void wait();
  // True from start() until the best move is written; everything the search wrote is in the
  // output once this reads false.
  bool searching() const { return searching_.load(std::memory_order_acquire); }

  // Both wait for a running search first.
  void set_hash_mb(std::size_t hash_mb);
  void clear();
  std::size_t hash_mb() const { return hash_mb_; }

 private:
  void search(対局状態 position, 探索制限 limits, bool fresh);
  Searcher& searcher();

  Output& out_;
  std::size_t hash_mb_ = kDefaultHashMb;
  std::unique_ptr<Searcher> searcher_;  // made on first use
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> searching_{false};
};

// The progress line of one completed depth, without its line break.
std::string info_line(const 探索情報& info);

}  // namespace brenvolt::engine
