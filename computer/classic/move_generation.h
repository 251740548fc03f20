// The squares a piece of the computer may reach, in the search's order of destinations.
#pragma once

#include <bit>
#include <cstdint>

#include "computer/classic/scoring_board.h"

namespace brenvolt::classic {

// A set of board squares, kept as bits in destination order: column by column, and within a
// column row by row.
class SquareSet {
 public:
  void add(int x, int y) {
    const int bit = (x - 1) * 盤サイズ + (y - 1);
    words_[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
  bool empty() const { return (words_[0] | words_[1]) == 0; }

  // Calls f(x, y) for each square in order, until f answers false.
  template <class F>
  void for_each_until(F f) const {
    for (int w = 0; w < 2; ++w) {
      for (std::uint64_t bits = words_[w]; bits != 0; bits &= bits - 1) {
        const int bit = w * 64 + std::countr_zero(bits);
        if (!f(bit / 盤サイズ + 1, bit % 盤サイズ + 1)) return;
      }
    }
  }

 private:
  std::uint64_t words_[2] = {0, 0};
};

// Every empty square that 移動チェック accepts for the piece `code` standing on (x, y).
SquareSet board_destinations(const Cells& cells, int x, int y, int code);

// Whether 移動チェック accepts a drop of `code` onto the empty square (x, y), given the
// double-pawn flags of both sides. The strong computer asks the same of its own board (colour,
// kind, pawns per column) in strong::drop_allowed; both read the rows a piece can never move
// from out of the game's piece table.
bool drop_allowed(int code, int x, int y, const 二歩列& 先手2歩, const 二歩列& 後手2歩);

}  // namespace brenvolt::classic
