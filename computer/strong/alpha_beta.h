// The search itself: iterative deepening over a principal-variation alpha-beta, with a
// quiescence of continuous fours, forced blocks of the other side's fives, a transposition
// table, killer moves and a history of good moves; late quiet moves are searched shallower
// first, and near the leaves moves that add to no line are not searched.
//
// Several AlphaBeta may search one position together over one table (lazy SMP): the main one
// runs the search and answers; helpers, started by it once the root is settled, search the
// same root moves to depths of their own until it has done, filling the table it reads.
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

class HelperThreads;

class AlphaBeta {
 public:
  // The table is shared with whoever else uses it; it outlives this.
  explicit AlphaBeta(TranspositionTable& table);
  void clear();

  // Searches the position on `root` (which must have a legal move) within the limits, with
  // the helpers (which may be null or none) searching beside it. A node cap counts theirs.
  SearchResult run(const Board& root, const 探索制限& limits, const std::atomic<bool>& stop,
                   const std::function<void(const 探索情報&)>& on_info,
                   HelperThreads* helpers = nullptr);
  // A helper's part: searches root_moves of root ever deeper, skipping the depths its number
  // (1 and up) leaves out, until stop; its node count goes to published as it goes.
  void help(const Board& root, const MoveList& root_moves, int number,
            const std::atomic<bool>& stop, std::atomic<std::uint64_t>& published);
  std::uint64_t nodes() const { return nodes_; }

 private:
  int search(int depth, int alpha, int beta, int ply, bool pv);
  int quiesce(int alpha, int beta, int ply, int qdepth);
  int search_root(int depth, int alpha, int beta);
  // Sorts the root moves once by their gain.
  void sort_root_moves();
  bool out_of_budget();
  // At each poll: a helper tells its nodes, the main search learns the helpers'.
  void share_nodes();
  void forget_moves();
  // A forced win by threats for the side to move at the root, within a share of the budget.
  Move threat_win(const std::atomic<bool>& stop);
  // When the other side would win by threats if this side passed, keeps only the root moves
  // seen to stop it: first those of one kind per square at a glance, then drops of the other
  // kinds at a glance, then all of them deeper. When none is seen to, keeps every move left
  // undecided, then the refuted moves of one kind.
  void keep_defences(const std::atomic<bool>& stop);
  // Adds to the root moves the drops of the other kinds on their squares.
  void add_other_kinds();
  // One probe of keep_defences: does the side to move win by threats within cap nodes?
  enum class Probe : std::uint8_t { kWins, kNoWin, kUndecided };
  // Probes the root moves from `from` on that after[] leaves undecided, spending the budget: one
  // look each with few nodes, or, deeper, rounds with ever more nodes while the budget lasts.
  void probe_each(int from, Probe* after, ThreatSearch::Budget& budget, bool deeper);
  // Keeps only the root moves after[] shows to stop the threat, if there are any.
  bool keep_checked(const Probe* after);
  Probe probe_threats(ThreatSearch::Budget& budget, std::uint64_t cap);
  // Has the threat searches' part of the budget run out, in nodes or time, or been stopped?
  bool budget_spent(const ThreatSearch::Budget& budget) const;
  ThreatSearch::Budget threat_budget(const std::atomic<bool>& stop, int share) const;
  void order(MoveList& list, int from, Move tt_move, int ply);
  void reward(Move m, int depth, int ply);
  void report(int depth, int score, const std::function<void(const 探索情報&)>& on_info);
  double elapsed() const;
  // The evaluation from the side to move's view, rounded to the limits' grain.
  int judge() const;

  Board b_;
  TranspositionTable& table_;
  std::unique_ptr<std::array<MoveList, kMaxPly + 1>> lists_;
  MoveList root_moves_;
  ThreatSearch threats_;
  std::array<std::array<Move, 2>, kMaxPly + 1> killers_{};
  std::unique_ptr<std::array<std::array<std::array<int, kCells>, kCells>, 2>> history_;

  std::uint64_t nodes_ = 0;
  // Lazy SMP: the main search's helpers and their nodes at the last poll, or the count a
  // helper publishes. Null when alone.
  HelperThreads* helpers_ = nullptr;
  std::uint64_t helper_nodes_ = 0;
  std::atomic<std::uint64_t>* published_ = nullptr;
  std::uint64_t node_limit_ = 0;
  double time_limit_ = 0;
  探索制限 style_;  // the weakenings of the running search
  BudgetPoll poll_;
  bool aborted_ = false;
  std::chrono::steady_clock::time_point started_;
};

}  // namespace brenvolt::strong
