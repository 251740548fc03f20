// Threats: the squares where a side would make exactly five, whether it can get a piece there,
// the move that wins at once, and the squares that stop the other side's five.
#pragma once

#include "computer/strong/board.h"
#include "computer/strong/move_list.h"

namespace brenvolt::strong {

inline constexpr int kMaxPoints = 32;

// Empty squares where a piece of c would make exactly five, and whether c can actually play
// there next (by a drop it has in hand, or by moving a piece that does not break the line).
struct FivePoints {
  int count = 0;
  int squares[kMaxPoints];
  bool by_drop[kMaxPoints];
  // Squares between a sliding piece and a point it alone can reach, which a blocker may fill.
  int path_count = 0;
  int paths[kMaxPoints * 8];
};

// Two fives c can drop into: one move of the other side blocks only one of them.
inline bool lost_two_ways(const FivePoints& t) {
  int drops = 0;
  for (int i = 0; i < t.count; ++i) drops += t.by_drop[i] ? 1 : 0;
  return drops >= 2;
}

// The squares a move must fill to stop c's fives: the points themselves, and the squares a
// sliding piece must cross to reach one. Returns how many were written (at most 9 kMaxPoints).
inline int defence_squares(const FivePoints& t, int* out) {
  int n = 0;
  for (int i = 0; i < t.count; ++i) out[n++] = t.squares[i];
  for (int i = 0; i < t.path_count; ++i) out[n++] = t.paths[i];
  return n;
}

// The five points of c that c can reach, c being either side. `paths` is filled only when
// with_paths is true.
void reachable_five_points(const Board& b, Colour c, FivePoints& out, bool with_paths);

// A move of the side to move that makes five at once, or no move. Exact: a five through the
// destination, or one uncovered by moving a piece off a longer line.
Move winning_move(Board& b);

// Every square c could fill to make a four (three of c and two empty squares in a window),
// each once. Returns how many were written to out (at most kCells).
int four_squares(const Board& b, Colour c, int* out);

// Every square in a window holding n or more of c and nothing of the other side, each once.
int window_squares(const Board& b, Colour c, int n, int* out);

// Can c drop some kind it holds on the empty square sq?
bool can_drop(const Board& b, Colour c, int sq);

// The squares c's sliding pieces cross on their way to those of the `count` targets that c
// cannot drop on: a piece of the other side on one of them takes that way away. Each square
// once; returns how many were written to out (at most kCells).
int slide_path_squares(const Board& b, Colour c, const int* targets, int count, int* out);

// Adds the board moves of the side to move that bring a piece within one move of a target it
// cannot drop on and could not reach before: without a drop, only such a piece can fill that
// square later. Moves landing on a target are left out (the caller has those already).
void add_reaching_moves(Board& b, const int* targets, int count, MoveList& list);

}  // namespace brenvolt::strong
