// The deep solve behind the tactics suite: does the side to move force a five by threats?
// Unlike the engine's threat search, which answers a threat only with the moves that usually
// stop it, every defender reply is tried here: every legal move (drops of every kind, board
// moves with and without promotion, none of the refused double threes or fours), a pass, and
// with them the defender's own fours. A "win" is therefore a proof. The attacker is restricted
// (only moves that make a four, or with threes allowed an open-four threat, on the squares of
// its lines), so "no win" is proven only that far: no win within the given number of attacker
// moves, each a four or a three of that kind, against every defender reply.
#pragma once

#include <cstdint>
#include <memory>

#include "computer/strong/board.h"

namespace brenvolt::tactics {

enum class Verdict { win, no_win, unknown };

struct SolveResult {
  Verdict verdict = Verdict::unknown;
  strong::Move first;  // with win: a winning first move of the side to move
  int moves = 0;       // with win: the fewest attacker moves found, the five included
};

class Prover {
 public:
  // Each solve gives up (unknown) after node_budget nodes.
  explicit Prover(std::uint64_t node_budget);
  ~Prover();
  Prover(const Prover&) = delete;
  Prover& operator=(const Prover&) = delete;

  // A forced five for the side to move within max_moves of its own moves (the five counted),
  // deepening one move at a time so that the win found is a shortest one.
  SolveResult solve(strong::Board& b, int max_moves, bool fours_only);

  // With the attacker's move m already made and the defender to move: does every defender
  // reply still lose within max_moves - 1 further attacker moves? A move that made five wins.
  Verdict solve_after(strong::Board& b, strong::Move m, int max_moves, bool fours_only);

  std::uint64_t nodes() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace brenvolt::tactics
