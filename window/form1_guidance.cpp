// Move guidance: outlines of the squares a chosen piece may go to.
#include "window/form1.h"

namespace brenvolt {

void Form1::描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒) {
  // Every board outline is reset first, guidance on or off; hand-stand outlines, where a
  // chosen hand piece is marked, are left alone.
  描画_将棋盤桝();
  if (移動指導 == 無) return;
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (局.移動チェック(移動元X, 移動元Y, x, y, 移動駒) == 有) 描画_桝輪郭(描画色, x, y);
    }
  }
}

}  // namespace brenvolt
