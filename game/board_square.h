// Where a coordinate pair names a square of the board, and the side test the line rules share.
#pragma once

#include "game/constants.h"

namespace brenvolt {

// Only 1..9 in both coordinates are squares; everything else (index 0, the hand columns, any
// value a caller computed past an edge) must never reach the board array.
constexpr bool 盤上の桝(int x, int y) {
  return x >= 1 && x <= 盤サイズ && y >= 1 && y <= 盤サイズ;
}

// Sides are told apart by sign and magnitude alone, so promoted pieces and kings extend a line
// like any other piece. A side value that is neither side counts every square as its own.
constexpr bool 自駒(int 手番, int 駒) {
  if (手番 == 手番_先手) return 駒 <= 先手_歩;
  if (手番 == 手番_後手) return 駒 >= 後手_歩;
  return true;
}

}  // namespace brenvolt
