#include "tools/tactics/prover.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "computer/strong/evaluation.h"
#include "computer/strong/move_list.h"
#include "computer/strong/rules.h"
#include "computer/strong/threats.h"
#include "game/constants.h"

namespace brenvolt::tactics {

using namespace strong;

namespace {

constexpr int kMaxPly = 64;

// What is known of a position: a win within `proven` attacker moves (or more), no win within
// `refuted` (or fewer). Each side to move keys its own table.
struct Known {
  int proven = 1000;
  int refuted = -1;
};

void order_by_gain(const Board& b, MoveList& list) {
  score_by_gain(b, list);
  std::vector<int> order(static_cast<std::size_t>(list.size));
  for (int i = 0; i < list.size; ++i) order[static_cast<std::size_t>(i)] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&list](int x, int y) { return list.scores[x] > list.scores[y]; });
  std::vector<Move> sorted;
  sorted.reserve(order.size());
  for (int i : order) sorted.push_back(list.moves[i]);
  std::copy(sorted.begin(), sorted.end(), list.moves.begin());
}

Known look_up(const std::unordered_map<std::uint64_t, Known>& table, std::uint64_t key) {
  const auto found = table.find(key);
  return found == table.end() ? Known{} : found->second;
}

// Moves the ones landing on or leaving a marked square to the front, keeping their order.
void relevant_first(MoveList& list, const std::array<bool, kCells>& marked) {
  std::stable_partition(list.moves.begin(), list.moves.begin() + list.size, [&marked](Move m) {
    return marked[m.to()] || (!m.is_drop() && marked[m.from()]);
  });
}

// `m` first when the list holds it.
void put_first(MoveList& list, Move m) {
  if (!m) return;
  for (int i = 0; i < list.size; ++i) {
    if (list.moves[i] == m) {
      std::rotate(list.moves.begin(), list.moves.begin() + i, list.moves.begin() + i + 1);
      return;
    }
  }
}

}  // namespace

struct Prover::Impl {
  explicit Impl(std::uint64_t node_budget) : budget(node_budget), lists(kMaxPly + 2) {}

  std::uint64_t budget;
  std::uint64_t nodes = 0;
  bool aborted = false;
  Board* b = nullptr;
  Colour attacker = kBlack;
  bool fours_only = false;
  Move first;
  std::vector<MoveList> lists;
  std::array<Move, kMaxPly + 2> killers{};
  std::unordered_map<std::uint64_t, Known> attack_table;
  std::unordered_map<std::uint64_t, Known> defence_table;

  void start(Board& board, Colour a, bool fours) {
    b = &board;
    attacker = a;
    fours_only = fours;
    nodes = 0;
    aborted = false;
    killers.fill(Move());
    attack_table.clear();
    defence_table.clear();
  }

  bool spend() {
    if (++nodes > budget) aborted = true;
    return !aborted;
  }

  // With the defender to move: could the attacker, moving again, make two fives at once?
  bool open_four_next(int ply) {
    b->make_null();
    int squares[kCells];
    const int n = four_squares(*b, attacker, squares);
    MoveList& list = lists[static_cast<std::size_t>(ply)];
    generate_to(*b, squares, n, list, false);
    bool found = false;
    for (int i = 0; i < list.size && !found; ++i) {
      const Move m = list.moves[i];
      if (forbidden(*b, attacker, source_of(m), m.to())) continue;
      b->make(m);
      FivePoints fives;
      reachable_five_points(*b, attacker, fives, false);
      found = fives.count >= 2;
      b->unmake(m);
    }
    b->unmake_null();
    return found;
  }

  bool threatens(int ply) {
    FivePoints mine;
    reachable_five_points(*b, attacker, mine, false);
    return mine.count > 0 || (!fours_only && open_four_next(ply));
  }

  void candidates(int ply) {
    MoveList& list = lists[static_cast<std::size_t>(ply)];
    FivePoints their;
    reachable_five_points(*b, other(attacker), their, true);
    int squares[kCells + kMaxPoints * 8];
    const int n = their.count > 0 ? defence_squares(their, squares)
                                  : window_squares(*b, attacker, fours_only ? 3 : 2, squares);
    generate_to(*b, squares, n, list, false);
    order_by_gain(*b, list);
    put_first(list, killers[static_cast<std::size_t>(ply)]);
  }

  // The attacker to move: a win within moves_left of its moves?
  bool attack(int moves_left, int ply) {
    if (!spend()) return false;
    Board& board = *b;
    if (board.move_count() >= 記録上限) return false;
    if (const Move win = winning_move(board)) {
      if (ply == 0) first = win;
      return true;
    }
    if (moves_left <= 1 || ply >= kMaxPly) return false;
    const Known known = look_up(attack_table, board.key());
    if (known.proven <= moves_left && ply > 0) return true;
    if (known.refuted >= moves_left) return false;
    FivePoints their;
    reachable_five_points(board, other(attacker), their, false);
    if (lost_two_ways(their)) return false;
    candidates(ply);
    const MoveList& list = lists[static_cast<std::size_t>(ply)];
    for (int i = 0; i < list.size; ++i) {
      const Move m = list.moves[i];
      if (forbidden(board, attacker, source_of(m), m.to())) continue;
      board.make(m);
      bool won = move_won(board, attacker, source_of(m), m.to());
      if (!won) won = threatens(ply + 1) && defend(moves_left - 1, ply + 1);
      board.unmake(m);
      if (aborted) return false;
      if (won) {
        killers[static_cast<std::size_t>(ply)] = m;
        if (ply == 0) first = m;
        Known& k = attack_table[board.key()];
        k.proven = std::min(k.proven, moves_left);
        return true;
      }
    }
    Known& k = attack_table[board.key()];
    k.refuted = std::max(k.refuted, moves_left);
    return false;
  }

  void mark_relevant(std::array<bool, kCells>& marked) {
    marked.fill(false);
    const Colour defender = other(attacker);
    FivePoints fives;
    reachable_five_points(*b, attacker, fives, true);
    int squares[kCells * 2 + kMaxPoints * 8];
    int n = defence_squares(fives, squares);
    n += window_squares(*b, attacker, 3, squares + n);
    n += window_squares(*b, defender, 3, squares + n);
    for (int i = 0; i < n; ++i) marked[squares[i]] = true;
  }

  // The defender to move, facing a threat: does every reply (a pass too) lose within
  // moves_left further attacker moves?
  bool defend(int moves_left, int ply) {
    if (!spend()) return false;
    Board& board = *b;
    if (board.move_count() >= 記録上限) return false;
    if (winning_move(board)) return false;
    FivePoints fives;
    reachable_five_points(board, attacker, fives, false);
    // One move fills one square: two fives the attacker can drop into cannot both be stopped.
    if (lost_two_ways(fives)) return true;
    if (ply >= kMaxPly) return false;
    const Known known = look_up(defence_table, board.key());
    if (known.proven <= moves_left) return true;
    if (known.refuted >= moves_left) return false;

    const Colour defender = board.side_to_move();
    MoveList& list = lists[static_cast<std::size_t>(ply)];
    generate_legal(board, list);
    std::array<bool, kCells> marked;
    mark_relevant(marked);
    relevant_first(list, marked);
    bool lost = true;
    for (int i = 0; i < list.size && lost; ++i) {
      const Move m = list.moves[i];
      board.make(m);
      lost = !move_won(board, defender, source_of(m), m.to()) && attack(moves_left, ply + 1);
      board.unmake(m);
    }
    if (lost && !aborted) {
      board.make_null();
      lost = attack(moves_left, ply + 1);
      board.unmake_null();
    }
    if (aborted) return false;
    Known& k = defence_table[board.key()];
    if (lost) {
      k.proven = std::min(k.proven, moves_left);
    } else {
      k.refuted = std::max(k.refuted, moves_left);
    }
    return lost;
  }
};

Prover::Prover(std::uint64_t node_budget) : impl_(std::make_unique<Impl>(node_budget)) {}
Prover::~Prover() = default;

std::uint64_t Prover::nodes() const {
  return impl_->nodes;
}

SolveResult Prover::solve(Board& b, int max_moves, bool fours_only) {
  Impl& p = *impl_;
  p.start(b, b.side_to_move(), fours_only);
  SolveResult result;
  const int most = std::min(max_moves, kMaxPly / 2);
  for (int moves = 1; moves <= most; ++moves) {
    p.first = Move();
    if (p.attack(moves, 0)) {
      result.verdict = Verdict::win;
      result.first = p.first;
      result.moves = moves;
      return result;
    }
    if (p.aborted) return result;
  }
  result.verdict = Verdict::no_win;
  return result;
}

Verdict Prover::solve_after(Board& b, Move m, int max_moves, bool fours_only) {
  Impl& p = *impl_;
  const Colour attacker = other(b.side_to_move());
  if (move_won(b, attacker, source_of(m), m.to())) return Verdict::win;
  p.start(b, attacker, fours_only);
  if (!p.threatens(1)) return Verdict::no_win;
  const bool lost = p.defend(std::min(max_moves, kMaxPly / 2) - 1, 1);
  if (p.aborted) return Verdict::unknown;
  return lost ? Verdict::win : Verdict::no_win;
}

}  // namespace brenvolt::tactics
