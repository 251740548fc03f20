#include <cstdlib>

#include "game/board_square.h"
#include "game/game_state.h"

namespace brenvolt {

namespace {

constexpr bool 持駒列か(int x) {
  return x == 先手持駒列 || x == 後手持駒列;
}

// Pawn, lance and knight are the only drops limited by row; every other piece may be dropped
// on any empty square.
constexpr bool 段制限のある駒(int 駒) {
  return 駒 == 先手_歩 || 駒 == 後手_歩 || 駒 == 先手_香 || 駒 == 後手_香 || 駒 == 先手_桂 ||
         駒 == 後手_桂;
}

// One move as the piece table reads it. The differences are 64-bit so that no source a caller
// could pass overflows them.
struct 手の差 {
  int x1;
  int y1;
  int x2;
  int y2;
  long long dx;
  long long dy;
};

bool 一歩(const 手の差& d) {
  return std::llabs(d.dx) <= 1 && std::llabs(d.dy) <= 1;
}

// 前 is +1 for 後手 (toward row 9) and -1 for 先手 (toward row 1).
bool 金の動き(const 手の差& d, int 前) {
  return (std::llabs(d.dx) <= 1 && (d.dy == 0 || d.dy == 前)) || (d.dx == 0 && d.dy == -前);
}

bool 銀の動き(const 手の差& d, int 前) {
  return std::llabs(d.dx) <= 1 && (d.dy == 前 || (d.dy == -前 && d.dx != 0));
}

bool 桂の動き(const 手の差& d, int 前) {
  return d.dy == 2 * 前 && std::llabs(d.dx) == 1;
}

// Walks the squares strictly between two board squares one step of (sx, sy) at a time.
bool 途中が空き(const 盤& 盤面, int x1, int y1, int sx, int sy, int 歩数) {
  for (int k = 1; k < 歩数; ++k) {
    if (盤面[x1 + k * sx][y1 + k * sy] != 空) return false;
  }
  return true;
}

constexpr int 符号(int v) {
  return v > 0 ? 1 : -1;
}

bool 飛車(const 対局状態& s, const 手の差& d) {
  return s.移動チェック飛車(d.x1, d.y1, d.x2, d.y2) == 有;
}

bool 角(const 対局状態& s, const 手の差& d) {
  return s.移動チェック角(d.x1, d.y1, d.x2, d.y2) == 有;
}

// The piece table: may 駒 make the move d? Drops of pieces without a row limit never get
// here.
bool 駒の動き(const 対局状態& s, const 手の差& d, int 駒) {
  switch (駒) {
    // The pawn's own drop test is "not a board column", the lance's and knight's "from the
    // own hand column"; the two differ only for sources no caller passes.
    case 後手_歩:
      return d.x1 > 0 ? (d.dx == 0 && d.dy == 1) : d.y2 != 盤サイズ;
    case 後手_香:
      return d.x1 != 後手持駒列 ? (d.dx == 0 && d.dy > 0 && 飛車(s, d)) : d.y2 != 盤サイズ;
    case 後手_桂:
      return d.x1 != 後手持駒列 ? 桂の動き(d, 1) : d.y2 <= 7;
    case 後手_銀:
      return 銀の動き(d, 1);
    case 後手_と:
    case 後手_香成:
    case 後手_桂成:
    case 後手_銀成:
    case 後手_金:
      return 金の動き(d, 1);
    case 後手_角:
      return 角(s, d);
    case 後手_角成:
      return 一歩(d) || 角(s, d);
    case 後手_飛:
      return 飛車(s, d);
    case 後手_飛成:
      return 一歩(d) || 飛車(s, d);
    case 後手_王:
    case 先手_王:
      return 一歩(d);
    case 先手_歩:
      return d.x1 != 先手持駒列 ? (d.dx == 0 && d.dy == -1) : d.y2 != 1;
    case 先手_香:
      return d.x1 != 先手持駒列 ? (d.dx == 0 && d.dy < 0 && 飛車(s, d)) : d.y2 != 1;
    case 先手_桂:
      return d.x1 != 先手持駒列 ? 桂の動き(d, -1) : d.y2 >= 3;
    case 先手_銀:
      return d.x1 != 先手持駒列 && 銀の動き(d, -1);
    case 先手_と:
    case 先手_香成:
    case 先手_桂成:
    case 先手_銀成:
    case 先手_金:
      return 金の動き(d, -1);
    case 先手_角:
      return 角(s, d);
    case 先手_角成:
      return 一歩(d) || 角(s, d);
    case 先手_飛:
      return 飛車(s, d);
    case 先手_飛成:
      return 一歩(d) || 飛車(s, d);
    default:
      return true;  // any other code has no movement of its own to test
  }
}

}  // namespace

int 対局状態::移動チェック飛車(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) const {
  // A line that starts or ends off the board cannot be walked; refusing it keeps every read on
  // a square.
  if (!盤上の桝(移動元X, 移動元Y) || !盤上の桝(移動先X, 移動先Y)) return 無;
  if (移動元X != 移動先X && 移動元Y != 移動先Y) return 無;
  const bool 同じ筋 = 移動元X == 移動先X;
  const int sx = 同じ筋 ? 0 : 符号(移動先X - 移動元X);
  const int sy = 同じ筋 ? 符号(移動先Y - 移動元Y) : 0;
  const int 歩数 = 同じ筋 ? std::abs(移動先Y - 移動元Y) : std::abs(移動先X - 移動元X);
  return 途中が空き(盤面, 移動元X, 移動元Y, sx, sy, 歩数) ? 有 : 無;
}

int 対局状態::移動チェック角(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) const {
  if (!盤上の桝(移動元X, 移動元Y) || !盤上の桝(移動先X, 移動先Y)) return 無;
  if (移動先X - 移動先Y != 移動元X - 移動元Y && 移動先X - 移動元X != 移動元Y - 移動先Y) return 無;
  const int sx = 符号(移動先X - 移動元X);
  const int sy = 符号(移動先Y - 移動元Y);
  return 途中が空き(盤面, 移動元X, 移動元Y, sx, sy, std::abs(移動先X - 移動元X)) ? 有 : 無;
}

int 対局状態::移動チェック(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                           int 移動駒種類) const {
  if (!盤上の桝(移動先X, 移動先Y)) return 無;
  if (移動元X == 移動先X && 移動元Y == 移動先Y) return 無;
  if (盤面[移動先X][移動先Y] != 空) return 無;  // nothing is ever captured
  if (持駒列か(移動元X)) {
    if (移動駒種類 == 先手_歩 && 先手2歩[移動先X] == 1) return 無;
    if (移動駒種類 == 後手_歩 && 後手2歩[移動先X] == 1) return 無;
    if (!段制限のある駒(移動駒種類)) return 有;
  }
  const 手の差 d{移動元X,
                 移動元Y,
                 移動先X,
                 移動先Y,
                 static_cast<long long>(移動先X) - 移動元X,
                 static_cast<long long>(移動先Y) - 移動元Y};
  return 駒の動き(*this, d, 移動駒種類) ? 有 : 無;
}

}  // namespace brenvolt
