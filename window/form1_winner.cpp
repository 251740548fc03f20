// The end of a game: a five found after a move, the winner's announcement, and the draw when
// the move record is full.
#include "window/form1.h"

namespace brenvolt {

namespace {

bool 盤の桝(int X, int Y) {
  return X >= 1 && X <= 盤サイズ && Y >= 1 && Y <= 盤サイズ;
}

}  // namespace

bool Form1::五並び決着(int IN_手番, int 元X, int 元Y, int 先X, int 先Y) {
  int 五X = 先X;
  int 五Y = 先Y;
  if (終了_判定(IN_手番, 先X, 先Y) == 無) {
    int 周囲X = 0;
    int 周囲Y = 0;
    if (終了_判定周囲(IN_手番, 元X, 元Y, 周囲X, 周囲Y) == 無 || !盤の桝(周囲X, 周囲Y)) return false;
    五X = 周囲X;
    五Y = 周囲Y;
  }
  描画_点滅5並び(IN_手番, 五X, 五Y);
  終了_処理(盤面[五X][五Y]);
  return true;
}

void Form1::終了_処理(int IN_移動駒) {
  const int 側 = 取得_手番(IN_移動駒);
  if (対局モード == モード_人間) {
    if (側 == 手番_先手)
      終了("先手");
    else if (側 == 手番_後手)
      終了("後手");
  } else if (対局モード == モード_COM) {
    if (側 == COM側)
      終了("ＣＯＭ");
    else if (側 == 人間側)
      終了("あなた");
  }
  対局中 = 無;
}

void Form1::終了(const std::string& 勝手) {
  ds.dsPlay(音_終局);
  platform.messageBox(勝手 + "の勝ちです", "終了", BoxIcon::None);
  手番 = 手番_なし;
}

void Form1::引き分け() {
  ds.dsPlay(音_終局);
  platform.messageBox("引き分けです", "終了", BoxIcon::None);
  手番 = 手番_なし;
  対局中 = 無;
}

}  // namespace brenvolt
