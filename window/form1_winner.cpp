// The end of a game: a five found after a move, the winner's announcement, and the draw when
// the move record is full.
#include "window/form1.h"

namespace brenvolt {

bool Form1::決着(const 着手の結果& 結果) {
  switch (結果.結果) {
    case 結末::五並び:
      描画_点滅5並び(結果.手番, 結果.五X, 結果.五Y);
      終了_処理(局.盤面[結果.五X][結果.五Y]);
      return true;
    case 結末::引き分け:
      引き分け();
      return true;
    case 結末::続行:
      return false;
  }
  return false;
}

void Form1::終了_処理(int IN_移動駒) {
  const int 側 = 取得_手番(IN_移動駒);
  if (試合.対局モード == モード_人間) {
    if (側 == 手番_先手)
      終了("先手");
    else if (側 == 手番_後手)
      終了("後手");
  } else if (試合.対局モード == モード_COM) {
    if (側 == 試合.COM側)
      終了("ＣＯＭ");
    else if (側 == 試合.人間側)
      終了("あなた");
  }
  局.対局中 = 無;
  前回の対局を消す();
}

void Form1::終了(const std::string& 勝手) {
  ds.dsPlay(音_終局);
  platform.messageBox(箱の文(勝手 + "の勝ちです"), 箱の文("終了"), BoxIcon::None);
  局.手番 = 手番_なし;
}

void Form1::引き分け() {
  ds.dsPlay(音_終局);
  platform.messageBox(箱の文("引き分けです"), 箱の文("終了"), BoxIcon::None);
  局.手番 = 手番_なし;
  局.対局中 = 無;
  前回の対局を消す();
}

}  // namespace brenvolt
