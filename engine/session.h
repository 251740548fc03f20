// The engine's line protocol: one input line in, its answer lines out. Holds the current game
// between lines. Whatever a line holds, the answer is bounded and nothing reads out of bounds.
//
// At level 0 (the default) `go` answers at once with the standard computer's move. At the
// search levels (1 up) it starts the strong computer on a thread of its own and returns: progress
// lines and the best move follow from that thread while further lines are read. `stop` ends the
// search with its best move so far, `isready` is answered at once, `quit` stops it and ends; every
// other command first stops the search (its best move is written) and is then answered. Answer
// lines never interleave.
#pragma once

#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/move_judge.h"
#include "engine/output.h"
#include "engine/search_worker.h"

namespace brenvolt::engine {

class Session {
 public:
  // The strong computer's table is of hash_mb megabytes until `setoption` sets another size;
  // it is made only when first needed.
  explicit Session(std::ostream& out, std::size_t hash_mb = kDefaultTableMb);

  // Answers one line (without its line break). False once the line was "quit".
  bool handle_line(std::string_view line);
  // Says that an input line was too long to be read.
  void line_too_long();
  // Returns once a running search has ended on its own and written its best move.
  void wait() { worker_.wait(); }
  // The input has ended: a search with a cap of its own (a depth, nodes, a time or the
  // level's budget) still ends and answers; an endless one (`go infinite`) is stopped and
  // answers at once. Returns once the answer is written.
  void end_of_input();
  // True while a search runs; once false, everything it wrote is in the output.
  bool searching() const { return worker_.searching(); }

  const 対局& game() const { return game_; }
  int level() const { return level_; }
  // Is the strong computer's table made (by `isready`, by setting its size, or by a search)?
  bool table_made() const { return worker_.table_made(); }

 private:
  using Words = std::vector<std::string_view>;

  void position(const Words& words);
  void list_moves();
  void check(const Words& words);
  void result();
  void draw();
  void go(const Words& words);
  void score(const Words& words);
  void bench(const Words& words);
  void bench_search(const Words& words);
  void setoption(const Words& words);
  void options();
  void error(std::string_view reason);
  void standard_move();

  Output output_;
  // The answer to the line being handled, written out whole once it is complete.
  std::ostringstream reply_;
  対局 game_;
  int level_ = 0;
  // The search running, if any, has no cap of its own.
  bool endless_ = false;
  // Last: it is stopped, and writes its best move, before anything else goes away.
  SearchWorker worker_;
};

// A whole number written only with digits, within [low, high].
bool parse_count(std::string_view word, std::uint64_t low, std::uint64_t high,
                 std::uint64_t& value);

}  // namespace brenvolt::engine
