// The search itself: iterative deepening over a principal-variation alpha-beta, with a
// quiescence of continuous fours, forced blocks of the other side's fives, a transposition
// table, killer moves and a history of good moves.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "computer/strong/board.h"
#include "computer/strong/budget_poll.h"
#include "computer/strong/move_list.h"
#include "computer/strong/searcher.h"
#include "computer/strong/threat_search.h"
#include "computer/strong/transposition.h"

namespace brenvolt::strong {

inline constexpr int kMate = 30000;
inline constexpr int kMateBound = kMate - 1000;  // scores beyond are a five in so many plies
inline constexpr int kInfinity = 32000;
inline constexpr int kMaxPly = 96;

struct SearchResult {
  Move best;
  int score = 0;
  int depth = 0;
  std::uint64_t nodes = 0;
};

class AlphaBeta {
 public:
  explicit AlphaBeta(std::size_t hash_mb);
  void set_hash_mb(std::size_t hash_mb) { table_.resize(hash_mb); }
  void clear();

  // Searches the position on `root` (which must have a legal move) within the limits.
  SearchResult run(const Board& root, const 探索制限& limits, const std::atomic<bool>& stop,
                   const std::function<void(const 探索情報&)>& on_info);
  std::uint64_t nodes() const { return nodes_; }

 private:
  int search(int depth, int alpha, int beta, int ply, bool pv);
  int quiesce(int alpha, int beta, int ply, int qdepth);
  int search_root(int depth, int alpha, int beta);
  bool out_of_budget();
  void forget_moves();
  // A forced win by threats for the side to move at the root, within a share of the budget.
  Move threat_win(const std::atomic<bool>& stop);
  // When the other side would win by threats if this side passed, drops the root moves that
  // do not stop it.
  void keep_defences(const std::atomic<bool>& stop);
  ThreatSearch::Budget threat_budget(const std::atomic<bool>& stop) const;
  void order(MoveList& list, int from, Move tt_move, int ply);
  void reward(Move m, int depth, int ply);
  void report(int depth, int score, const std::function<void(const 探索情報&)>& on_info);
  double elapsed() const;
  // The evaluation from the side to move's view, rounded to the limits' grain.
  int judge() const;

  Board b_;
  TranspositionTable table_;
  std::unique_ptr<std::array<MoveList, kMaxPly + 1>> lists_;
  MoveList root_moves_;
  ThreatSearch threats_;
  std::array<std::array<Move, 2>, kMaxPly + 1> killers_{};
  std::unique_ptr<std::array<std::array<std::array<int, kCells>, kCells>, 2>> history_;

  std::uint64_t nodes_ = 0;
  std::uint64_t node_limit_ = 0;
  double time_limit_ = 0;
  探索制限 style_;  // the weakenings of the running search
  BudgetPoll poll_;
  bool aborted_ = false;
  std::chrono::steady_clock::time_point started_;
};

}  // namespace brenvolt::strong
