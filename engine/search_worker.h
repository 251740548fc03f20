// The strong computer of the engine, searching on a thread of its own so the engine goes on
// reading commands meanwhile: progress lines after every completed depth, then the best move.
#pragma once

#include <cstddef>
#include <string>

#include "computer/strong/search_service.h"
#include "engine/output.h"
#include "game/game_state.h"

namespace brenvolt::engine {

inline constexpr std::size_t kMaxHashMb = 1024;

class SearchWorker {
 public:
  SearchWorker(Output& out, std::size_t hash_mb) : out_(out), service_(hash_mb) {}
  // Stops a running search; its best move is still written.
  ~SearchWorker() { stop(); }
  SearchWorker(const SearchWorker&) = delete;
  SearchWorker& operator=(const SearchWorker&) = delete;

  // Starts searching position for position.手番. The table is made first if it is not yet
  // (a front end makes it at `isready`, so no move's time pays for it).
  void start(const 対局状態& position, const 探索制限& limits);
  // Ends a running search now; returns once its best move is written. Nothing without one.
  void stop();
  // Returns once a running search has ended on its own and written its best move.
  void wait() { service_.wait(); }
  // True from start() until the best move is written; everything the search wrote is in the
  // output once this reads false.
  bool searching() const { return service_.searching(); }

  // Both stop a running search first; the table is made (again) at once.
  void set_hash_mb(std::size_t hash_mb);
  // Stops a running search first; each helper thread's state is made at once.
  void set_threads(int threads);
  void clear();
  void prepare() { service_.prepare(); }
  std::size_t hash_mb() const { return service_.hash_mb(); }
  bool table_made() const { return service_.table_made(); }

 private:
  Output& out_;
  // Last: a search still running is stopped, and writes its best move, before out_ goes.
  SearchService service_;
};

// The progress line of one completed depth, without its line break.
std::string info_line(const 探索情報& info);

}  // namespace brenvolt::engine
