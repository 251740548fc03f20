// The threat search: does the side to move win by a sequence of threats the other side must
// answer? Fours (a five to follow) leave one answer, the five's square or a square on the way
// of the piece that must move there; open threes (an open four to follow) leave the squares of
// the three's windows, the squares on the way of a piece that must move to one of them, a move
// that brings a piece of the defender within reach of one it cannot drop on, or a four of the
// defender's own. A defender short of pieces that drop anywhere drops every kind it holds:
// what the piece can reach later, and what stays in hand, decide whether it can still fill a
// square once it has no drop for it. With fours only it is the search for a win by continuous
// fours.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>

#include "computer/strong/board.h"
#include "computer/strong/budget_poll.h"
#include "computer/strong/move_list.h"

namespace brenvolt::strong {

class ThreatSearch {
 public:
  ThreatSearch();

  struct Budget {
    std::uint64_t nodes = 0;  // required: the search gives up after this many
    const std::atomic<bool>* stop = nullptr;
    std::chrono::steady_clock::time_point deadline{};  // ignored when has_deadline is false
    bool has_deadline = false;
  };

  // A forced win of the side to move within `attacker_moves` of its own moves; its first move
  // in *first. False when there is none, or none was found within the budget.
  bool find_win(Board& b, int attacker_moves, bool fours_only, const Budget& budget, Move* first);

  std::uint64_t nodes() const { return nodes_; }
  // Did the last find_win run out of budget (so that its "no" means "not known")?
  bool gave_up() const { return aborted_; }
  // After a win was found: the plies to the five on the longest line the search met.
  int win_plies() const { return win_plies_; }
  // Forgets what earlier searches proved, so that the next ones do exactly the work they would
  // do on a new ThreatSearch. Until then a position already decided, for the same attacker, kind
  // of threats and moves left, is not searched again.
  void forget();

 private:
  static constexpr int kMaxDepth = 2 * 12 + 4;
  bool attack(int moves_left, int ply);
  // The attacker's moves at a node attack() has not decided before.
  bool attack_moves(int moves_left, int ply);
  bool defend(int moves_left, int ply);
  bool open_four_next(int ply);
  bool out_of_budget();

  // What the attacker's node at a position came to: a win within moves_left moves, or not,
  // and for a win the plies from there to the five on the longest line met.
  struct Known {
    std::uint64_t check = 0;  // the key with the kind of threats and moves left folded in
    std::uint32_t generation = 0;
    bool win = false;
    std::int8_t plies = 0;
  };
  static constexpr std::size_t kKnownSize = 1 << 15;
  std::uint64_t known_check(int moves_left) const;
  const Known* recall(int moves_left) const;
  void remember(int moves_left, bool win, int plies);
  std::unique_ptr<std::array<Known, kKnownSize>> known_;
  std::uint32_t generation_ = 1;

  Board* b_ = nullptr;
  Colour attacker_ = kBlack;
  bool fours_only_ = false;
  Budget budget_;
  bool aborted_ = false;
  BudgetPoll poll_;
  std::uint64_t nodes_ = 0;
  int win_plies_ = 0;
  Move first_;
  std::unique_ptr<std::array<MoveList, kMaxDepth + 2>> lists_;
};

}  // namespace brenvolt::strong
