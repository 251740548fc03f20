// The one way the front ends use the strong computer: the window's computer and hint, the
// analysis and review, and the engine's `go`. A search starts on a copy of a position with
// caps, reports each completed depth and then its best move through callbacks, and can be
// stopped (it still answers) or cancelled (nothing more of it is reported). Every start and
// every cancel moves the generation on: a front end that keeps the generation it started with
// can tell a late answer for an old position from the current one.
//
// One search runs at a time over one searcher, made once and kept: a cancelled search still
// winding down holds the searcher until it has ended, and the next search waits for it, so two
// never touch the table together. Plain C++, no Qt.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "computer/strong/searcher.h"
#include "game/game_state.h"

namespace brenvolt {

struct 探索の報せ先 {
  // After each completed depth (and once more for the move returned when a stop cuts a depth
  // short): depth, score, nodes, time and principal variation. May be empty.
  std::function<void(std::uint64_t generation, const 探索情報& info)> on_info;
  // Once, when the search has ended: the move for the side to move, or nothing when it has
  // none. Not called for a search cancelled before it ended. May be empty.
  std::function<void(std::uint64_t generation, std::optional<着手> move)> on_best;
};

// The threads the machine can run at once (at least 1): what a front end searches with when the
// computer thinks and nothing asks for repeatable searches.
int machine_threads();

class SearchService {
 public:
  // Runs `search` somewhere off the caller's thread (or, for a test, before returning). The
  // callbacks are called from inside `search`, on whatever thread runs it.
  using Runner = std::function<void(std::function<void()> search)>;

  // Without a runner each search runs on a thread of the service's own.
  explicit SearchService(std::size_t hash_mb = kDefaultTableMb, Runner runner = {});
  // Cancels a running search; a thread of its own is joined, work handed to a runner may
  // outlive the service (it keeps what it uses alive) and reports nothing more.
  ~SearchService();
  SearchService(const SearchService&) = delete;
  SearchService& operator=(const SearchService&) = delete;

  // Makes the table now unless it is made already, so that no search pays for it. Without
  // this a search makes it first, and a program that never searches never holds it. Returns
  // at once when the table exists, also during a search.
  void prepare();
  // A table of about hash_mb megabytes, made at once; waits for a running search to end.
  void set_hash_mb(std::size_t hash_mb);
  std::size_t hash_mb() const;
  // The threads each search takes (see Searcher::set_threads), 1 unless set; kept for a
  // searcher made later. Waits for a running search to end.
  void set_threads(int threads);
  int threads() const;
  bool table_made() const;
  // Forgets what earlier searches learnt; waits for a running search to end.
  void clear();

  // Cancels any search still running, then searches position for position.手番 within
  // limits. Returns the new search's generation.
  std::uint64_t start(const 対局状態& position, const 探索制限& limits, 探索の報せ先 report);
  // Asks the running search to end now; it still reports its best move found so far.
  void stop();
  // Stops the running search and makes its generation an old one: from the search thread
  // nothing more of it is reported than what had begun (a front end that posts the callbacks
  // to its own thread checks current() there).
  void cancel();
  // Returns once no search is running: the last best move has been reported.
  void wait();
  bool searching() const;

  std::uint64_t generation() const;
  bool current(std::uint64_t generation) const { return generation == this->generation(); }

 private:
  struct Shared;

  std::shared_ptr<Shared> shared_;
  Runner runner_;
  std::shared_ptr<std::atomic<bool>> stop_;  // the latest search's, until it is cancelled
  std::thread thread_;                       // the running search's, when there is no runner
};

}  // namespace brenvolt
