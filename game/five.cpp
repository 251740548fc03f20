#include "game/line_walk.h"

namespace brenvolt {

namespace {

// Pieces of 手番 on the line through (x, y) along (dx, dy), counting (x, y) itself as one.
template <int dx, int dy>
int 線の長さ(const 盤& 盤面, int 手番, int x, int y) {
  return 連続数<-dx, -dy>(盤面, 手番, x, y) + 1 + 連続数<dx, dy>(盤面, 手番, x, y);
}

// The piece on the square must belong to the side asking: the five test alone also accepts a
// square of the other side as the first piece of the line.
bool 手番の駒が立つ(int 手番, int 駒) {
  if (手番 == 手番_先手) return 駒 <= 先手_歩;
  if (手番 == 手番_後手) return 駒 >= 後手_歩;
  return false;
}

}  // namespace

int 対局状態::調査_5並び(int IN_手番, int IN_X, int IN_Y) const {
  if (!盤上の桝(IN_X, IN_Y) || 盤面[IN_X][IN_Y] == 空) return 無;
  // Exactly five: a longer line (an overline) is no win.
  if (線の長さ<0, 1>(盤面, IN_手番, IN_X, IN_Y) == 5) return 有;
  if (線の長さ<1, 0>(盤面, IN_手番, IN_X, IN_Y) == 5) return 有;
  if (線の長さ<1, 1>(盤面, IN_手番, IN_X, IN_Y) == 5) return 有;
  if (線の長さ<1, -1>(盤面, IN_手番, IN_X, IN_Y) == 5) return 有;
  return 無;
}

int 対局状態::終了_判定(int IN_手番, int IN_先X, int IN_先Y) const {
  return 調査_5並び(IN_手番, IN_先X, IN_先Y) == 有 ? 有 : 無;
}

// Taking a piece off one end or out of the middle of a longer own line can leave exactly five
// next to the vacated square; the first such neighbour, column by column from the left and top
// to bottom within a column, is reported. O_X and O_Y are written only on 有.
int 対局状態::終了_判定周囲(int IN_手番, int IN_元X, int IN_元Y, int& O_X, int& O_Y) const {
  // Only a square at most one step off the board has a neighbour on it; a drop's hand column
  // (-1 or 11) is farther, as is any wild value, whose loop bounds could overflow.
  if (IN_元X < 0 || IN_元X > 盤サイズ + 1 || IN_元Y < 0 || IN_元Y > 盤サイズ + 1) return 無;
  for (int i = IN_元X - 1; i <= IN_元X + 1; ++i) {
    for (int j = IN_元Y - 1; j <= IN_元Y + 1; ++j) {
      if (!盤上の桝(i, j) || (i == IN_元X && j == IN_元Y)) continue;
      if (調査_5並び(IN_手番, i, j) == 有 && 手番の駒が立つ(IN_手番, 盤面[i][j])) {
        O_X = i;
        O_Y = j;
        return 有;
      }
    }
  }
  return 無;
}

}  // namespace brenvolt
