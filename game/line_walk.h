// The two walks every line rule is built from, one template per family so that each direction
// compiles to a tight loop. The named scans of 対局状態 are thin entry points over these; the
// five and renju tests call the templates directly so the compiler can inline them.
#pragma once

#include "game/board_square.h"
#include "game/game_state.h"

namespace brenvolt {

// How many own pieces of 手番 stand in an unbroken run starting at the neighbour of (x, y) in
// direction (dx, dy). The start square is never read; a start off the board has no run.
template <int dx, int dy>
inline int 連続数(const 盤& 盤面, int 手番, int x, int y) {
  if (!盤上の桝(x, y)) return 0;
  int count = 0;
  for (x += dx, y += dy; 盤上の桝(x, y); x += dx, y += dy) {
    if (!自駒(手番, 盤面[x][y])) break;
    ++count;
  }
  return count;
}

// Is (x, y) on the board's last line in direction (dx, dy)? A diagonal has reached it when
// either coordinate has.
template <int dx, int dy>
constexpr bool 最終線(int x, int y) {
  return (dx > 0 && x == 盤サイズ) || (dx < 0 && x == 1) || (dy > 0 && y == 盤サイズ) ||
         (dy < 0 && y == 1);
}

// The content of the square where a walk over own pieces, starting on (x, y) itself, stops:
// 空 for an open end, the opponent's code for a blocked one. The last-line square is returned
// without being tested, so a run that reaches the edge reads as closed (an own code). A start
// off the board holds nothing and yields 空.
template <int dx, int dy>
inline int 端の駒(const 盤& 盤面, int 手番, int x, int y) {
  if (!盤上の桝(x, y)) return 空;
  while (!最終線<dx, dy>(x, y) && 自駒(手番, 盤面[x][y])) {
    x += dx;
    y += dy;
  }
  return 盤面[x][y];
}

}  // namespace brenvolt
