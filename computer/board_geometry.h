// The board as both computers lay it out: the squares of the board inside a one-square wall,
// numbered column by column, so that a walk along any line stops on the wall without a bounds
// test. Each computer keeps its own contents per square; only the numbering is shared.
#pragma once

#include <array>

#include "game/constants.h"

namespace brenvolt::computer {

inline constexpr int kStride = 盤サイズ + 2;
inline constexpr int kCells = kStride * kStride;
constexpr int square(int x, int y) {
  return x * kStride + y;
}
constexpr int column_of(int sq) {
  return sq / kStride;
}
constexpr int row_of(int sq) {
  return sq % kStride;
}
constexpr bool on_board(int sq) {
  return column_of(sq) >= 1 && column_of(sq) <= 盤サイズ && row_of(sq) >= 1 &&
         row_of(sq) <= 盤サイズ;
}

// The lines in the order the five test visits them: vertical, horizontal, falling and rising
// diagonal. Each step goes toward the line's second half (下, 右, 右下, 右上), its negation
// toward the first (上, 左, 左上, 左下).
inline constexpr int kLines = 4;
inline constexpr std::array<int, kLines> kLineStep = {1, kStride, kStride + 1, kStride - 1};

// The steps to the eight squares around a square, column by column.
inline constexpr std::array<int, 8> kNeighbours = {-kStride - 1, -kStride, -kStride + 1, -1, 1,
                                                   kStride - 1,  kStride,  kStride + 1};

}  // namespace brenvolt::computer
