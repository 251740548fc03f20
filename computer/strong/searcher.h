// The strong computer of levels 1 up: an iterative-deepening alpha-beta search with a threat
// search, over a board of its own. It reads the position from 対局状態 and never writes to it;
// every move it returns is one the game's rules accept for the side to move. Plain C++.
//
// One Searcher serves one thread at a time: its table and counters are its own (with more than
// one search thread, its helper threads share them while a think() runs). Another thread may
// end a running search at any moment through the stop flag.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "computer/classic/computer.h"
#include "game/game_state.h"
#include "game/levels.h"

namespace brenvolt {

// Caps on one search; 0 means no cap. The search ends at the first cap it reaches. A fixed
// depth or node count (no time cap) gives the same move every time.
// The last four fields weaken the play, as the lower levels do: the evaluation rounded to a
// grain, the threat searches shortened (0 moves: not run). A five in one is taken and a four of
// the other side's answered whatever they say.
struct 探索制限 {
  int depth = 0;
  std::uint64_t nodes = 0;
  double seconds = 0;
  int grain = 1;
  int four_moves = 全力_四の手数;
  int threat_moves = 全力_三の手数;
  int quiescence = 全力_静止手数;
};

// The caps and weakenings of a search level, from the table of levels. Levels outside 1 to the
// strongest are clamped into that range.
探索制限 level_limits(int level);

// What a search has found so far, reported after every completed depth.
struct 探索情報 {
  int depth = 0;
  // From the side to move's view. When mate is true, the number of plies to the five: positive
  // when the side to move makes it, negative when the other side does. Else an evaluation.
  int score = 0;
  bool mate = false;
  std::uint64_t nodes = 0;
  double seconds = 0;
  std::vector<着手> pv;
};

// The table's size when none is asked for: small, so a program's memory stays near what it is
// with the standard computer alone.
inline constexpr std::size_t kDefaultTableMb = 16;
// The most threads one search takes.
inline constexpr int kMaxThreads = 64;

class Searcher {
 public:
  // The transposition table takes about hash_mb megabytes (at least 1).
  explicit Searcher(std::size_t hash_mb = kDefaultTableMb);
  ~Searcher();
  Searcher(const Searcher&) = delete;
  Searcher& operator=(const Searcher&) = delete;

  void set_hash_mb(std::size_t hash_mb);
  // The threads a think() searches with (1 to kMaxThreads; clamped into that range). With one,
  // the search is the same as ever; with more, helpers search the same position beside it
  // over the shared table and the move is still the main search's, but no longer the same
  // every time. Each helper's state is made here and kept.
  void set_threads(int threads);
  int threads() const;
  // Forgets everything learnt from earlier searches (table, move history): a search after
  // clear() plays as the first search of a new Searcher.
  void clear();

  // The move for COM側 in position, within the caps: a move the game accepts, or nothing when
  // that side has no legal move (or no game is possible: no game runs, 手番 names no side or
  // another side than COM側, or the move record's bound is reached). Each think() is independent of
  // the ones before: a fixed depth or node count gives the same move for the same position. A move
  // that makes five, the only legal move, or a forced win found by the threat search is returned at
  // once; when the other side threatens a five only its blocks are searched, within a quarter of
  // the caps. When stop becomes true the search ends as soon as it notices (within about a thousand
  // nodes) with the best move found so far. on_info is called on the searching thread after each
  // completed depth, and once for a move found without the main search.
  std::optional<着手> think(const 対局状態& position, int COM側, const 探索制限& limits,
                            const std::atomic<bool>& stop,
                            const std::function<void(const 探索情報&)>& on_info = {});

  // Nodes visited by the last think(), its helpers' included.
  std::uint64_t nodes() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The search's own bench: a fixed suite of positions searched to a fixed depth with a fresh
// table each, for speed figures and, through the signature, a check that behaviour is unchanged.
struct 探索ベンチ結果 {
  int positions = 0;
  std::uint64_t nodes = 0;
  double seconds = 0;
  std::uint64_t signature = 0;  // FNV-1a of the moves chosen, in order
};

}  // namespace brenvolt
