// A fixed-size list of moves with an ordering score each, and the generators that fill it.
// Nothing here allocates: the search keeps one list per ply.
#pragma once

#include <array>

#include "computer/strong/board.h"

namespace brenvolt::strong {

// More than any position can produce: 22 board pieces of one side moving with and without
// promotion, and every hand kind dropped on every square.
inline constexpr int kMaxMoves = 1600;

struct MoveList {
  int size = 0;
  std::array<Move, kMaxMoves> moves;
  std::array<int, kMaxMoves> scores;

  void add(Move m) { moves[size++] = m; }
  void clear() { size = 0; }
  // Moves the best-scored move of [from, size) to `from` and returns it. Called with from
  // 0, 1, 2 ... in turn (scores may be rewritten before any call up to kPickedOneByOne).
  // A caller that will most likely stop before the first move scored below `rarely_below`
  // says so: the moves under it are then put in order only if it goes on to them.
  Move pick(int from, int rarely_below = kEveryScore);
  static constexpr int kPickedOneByOne = 4;
  static constexpr int kEveryScore = -(1 << 30);

 private:
  void sort_range(int from, int to);
  int sorted_to_ = 0;  // past kPickedOneByOne, [kPickedOneByOne, sorted_to_) is in order
};

// Every move the rules of movement, dropping and promotion allow the side to move: board moves
// (with and without promotion where both are possible) and drops of every kind in hand. The
// double-three / double-four refusal is not applied.
void generate_all(const Board& b, MoveList& list);

// Takes out of list the moves the game refuses to the side to move (a double three or four),
// keeping the order of the rest.
void drop_forbidden(const Board& b, MoveList& list);

// The moves the game accepts: generate_all without the refused ones.
void generate_legal(const Board& b, MoveList& list);

// The moves the search looks at: every board move, and drops only on squares within two of a
// piece (the centre on an empty board). With every_kind false, one kind per square: the first
// kind the square accepts in the order 歩 香 桂 銀 金 王 角 飛 (the most mobile pieces kept in
// hand longest).
void generate_search(const Board& b, MoveList& list, bool every_kind);

// The moves of the side to move that land on one of the `count` squares given.
void generate_to(const Board& b, const int* squares, int count, MoveList& list, bool every_kind);

// The kind the side to move drops on `to` when one kind stands for all, or kNoKind.
Kind drop_kind(const Board& b, int to);

}  // namespace brenvolt::strong
