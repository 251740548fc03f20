#include "computer/classic/computer.h"

namespace brenvolt {

int 調査_周囲駒有(const 対局状態& 局, int IN_X, int IN_Y) {
  for (int x = IN_X - 1; x <= IN_X + 1; ++x) {
    for (int y = IN_Y - 1; y <= IN_Y + 1; ++y) {
      if (x < 1 || x > 盤サイズ || y < 1 || y > 盤サイズ) continue;
      if (x == IN_X && y == IN_Y) continue;
      if (局.盤面[x][y] != 空) return 有;
    }
  }
  return 無;
}

}  // namespace brenvolt
