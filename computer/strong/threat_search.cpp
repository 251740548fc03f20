#include "computer/strong/threat_search.h"

#include <algorithm>

#include "computer/strong/evaluation.h"
#include "computer/strong/rules.h"
#include "computer/strong/threats.h"

namespace brenvolt::strong {

namespace {

// Kinds that may be dropped on any empty square.
constexpr Kind kDropAnywhere[] = {kSilver, kGold, kKing, kBishop, kRook};

// Does the kind the defender drops now matter? The piece's later moves and what stays in hand
// decide only whether the defender can still fill a square once it has no drop for it. After
// this answer the attacker has at most moves_left moves, the last of them the five, so the
// defender answers at most moves_left - 1 more times: holding a piece that drops anywhere for
// each of those besides the one dropped now, it never runs out. Beyond two such pieces every
// kind is not tried either: running out then takes a longer sequence of threats than the search
// usually meets, and each kind tried multiplies the search.
bool kind_matters(const Board& b, Colour defender, int moves_left) {
  int anywhere = 0;
  for (Kind k : kDropAnywhere) anywhere += b.hand(defender, k);
  return anywhere < moves_left && anywhere <= 2;
}

}  // namespace

ThreatSearch::ThreatSearch()
    : known_(std::make_unique<std::array<Known, kKnownSize>>()),
      lists_(std::make_unique<std::array<MoveList, kMaxDepth + 2>>()) {}

void ThreatSearch::forget() {
  ++generation_;
}

std::uint64_t ThreatSearch::known_check(int moves_left) const {
  // Different odd multipliers spread the moves left and the kind of threats over the key.
  return b_->key() ^ (static_cast<std::uint64_t>(moves_left) * 0x9e3779b97f4a7c15ULL) ^
         (fours_only_ ? 0xc2b2ae3d27d4eb4fULL : 0);
}

const ThreatSearch::Known* ThreatSearch::recall(int moves_left) const {
  const std::uint64_t check = known_check(moves_left);
  const Known& k = (*known_)[check & (kKnownSize - 1)];
  return k.check == check && k.generation == generation_ ? &k : nullptr;
}

void ThreatSearch::remember(int moves_left, bool win, int plies) {
  const std::uint64_t check = known_check(moves_left);
  Known& k = (*known_)[check & (kKnownSize - 1)];
  k.check = check;
  k.generation = generation_;
  k.win = win;
  k.plies = static_cast<std::int8_t>(plies);
}

bool ThreatSearch::out_of_budget() {
  if (aborted_) return true;
  if (nodes_ >= budget_.nodes || poll_.expired()) aborted_ = true;
  return aborted_;
}

bool ThreatSearch::find_win(Board& b, int attacker_moves, bool fours_only, const Budget& budget,
                            Move* first) {
  b_ = &b;
  attacker_ = b.side_to_move();
  fours_only_ = fours_only;
  budget_ = budget;
  aborted_ = false;
  poll_.start(budget.stop);
  if (budget.has_deadline) poll_.set_deadline(budget.deadline);
  nodes_ = 0;
  win_plies_ = 0;
  first_ = Move();
  const int moves = attacker_moves < (kMaxDepth - 2) / 2 ? attacker_moves : (kMaxDepth - 2) / 2;
  const bool won = attack(moves, 0) && !aborted_;
  if (won && first != nullptr) *first = first_;
  return won;
}

// With the defender to move: could the attacker, moving again, make two fives at once?
bool ThreatSearch::open_four_next(int ply) {
  Board& b = *b_;
  b.make_null();
  int squares[kCells];
  const int n = four_squares(b, attacker_, squares);
  MoveList& list = (*lists_)[ply];
  generate_to(b, squares, n, list, false);
  bool found = false;
  for (int i = 0; i < list.size && !found; ++i) {
    const Move m = list.moves[i];
    if (forbidden(b, attacker_, source_of(m), m.to())) continue;
    b.make(m);
    ++nodes_;
    FivePoints fives;
    reachable_five_points(b, attacker_, fives, false);
    found = fives.count >= 2;
    b.unmake(m);
  }
  b.unmake_null();
  return found;
}

bool ThreatSearch::attack(int moves_left, int ply) {
  if (out_of_budget()) return false;
  Board& b = *b_;
  if (const Move win = winning_move(b)) {
    if (ply == 0) first_ = win;
    win_plies_ = std::max(win_plies_, ply + 1);
    return true;
  }
  if (moves_left <= 0 || b.move_count() >= 記録上限 - 1) return false;
  // Near the record's bound the outcome depends on the move count, which the key leaves out;
  // the first move is searched, as the caller is told which it is.
  const bool use_known = ply > 0 && 記録上限 - b.move_count() > 2 * moves_left + 2;
  if (use_known) {
    if (const Known* k = recall(moves_left)) {
      if (k->win) win_plies_ = std::max(win_plies_, ply + k->plies);
      return k->win;
    }
  }
  const int plies_before = win_plies_;
  win_plies_ = 0;
  const bool won = attack_moves(moves_left, ply);
  if (use_known && !aborted_) remember(moves_left, won, won ? win_plies_ - ply : 0);
  win_plies_ = std::max(win_plies_, plies_before);
  return won && !aborted_;
}

bool ThreatSearch::attack_moves(int moves_left, int ply) {
  Board& b = *b_;
  const Colour defender = other(attacker_);
  FivePoints their;
  reachable_five_points(b, defender, their, true);
  if (lost_two_ways(their)) return false;

  MoveList& list = (*lists_)[ply];
  const bool forced = their.count > 0;
  int squares[kCells + kMaxPoints * 8];
  if (forced) {
    generate_to(b, squares, defence_squares(their, squares), list, false);
  } else {
    generate_to(b, squares, window_squares(b, attacker_, fours_only_ ? 3 : 2, squares), list,
                false);
  }
  score_by_gain(b, list);
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.pick(i);
    if (forbidden(b, attacker_, source_of(m), m.to())) continue;
    b.make(m);
    ++nodes_;
    bool won = move_won(b, attacker_, source_of(m), m.to());
    if (won) {
      win_plies_ = std::max(win_plies_, ply + 1);
    } else {
      // Every move, a block included, must threaten again, or the defender is free.
      FivePoints mine;
      reachable_five_points(b, attacker_, mine, false);
      const bool threat = mine.count > 0 || (!fours_only_ && open_four_next(ply + 1));
      won = threat && defend(moves_left - 1, ply + 1);
    }
    b.unmake(m);
    if (aborted_) return false;
    if (won) {
      if (ply == 0) first_ = m;
      return true;
    }
  }
  return false;
}

bool ThreatSearch::defend(int moves_left, int ply) {
  if (out_of_budget()) return false;
  Board& b = *b_;
  if (winning_move(b)) return false;
  const Colour defender = b.side_to_move();
  FivePoints fives;
  reachable_five_points(b, attacker_, fives, true);
  if (lost_two_ways(fives)) {
    win_plies_ = std::max(win_plies_, ply + 2);
    return true;
  }

  const bool every_kind = kind_matters(b, defender, moves_left);
  MoveList& list = (*lists_)[ply];
  int squares[kCells * 3 + kMaxPoints * 8];
  if (fives.count > 0) {
    generate_to(b, squares, defence_squares(fives, squares), list, every_kind);
  } else {
    // An open three: a square of its windows, a square a sliding piece of the attacker crosses
    // to one it cannot drop on, or a four of the defender's own.
    const int lines = window_squares(b, attacker_, 3, squares);
    int n = lines + slide_path_squares(b, attacker_, squares, lines, squares + lines);
    n += window_squares(b, defender, 3, squares + n);
    generate_to(b, squares, n, list, every_kind);
    // Or a piece brought within reach of a square of the three the defender cannot drop on.
    add_reaching_moves(b, squares, lines, list);
  }
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    if (forbidden(b, defender, source_of(m), m.to())) continue;
    b.make(m);
    ++nodes_;
    const bool escaped =
        move_won(b, defender, source_of(m), m.to()) || !attack(moves_left, ply + 1);
    b.unmake(m);
    if (escaped || aborted_) return false;
  }
  // Every answer fails (no answer at all is a pass, which is no defence either).
  win_plies_ = std::max(win_plies_, ply + 2);
  return true;
}

}  // namespace brenvolt::strong
