// The end of a game: a five found after a move, the winner's announcement, and the draw when
// the move record is full.
#include <algorithm>

#include "window/form1.h"

namespace brenvolt {

namespace {

// The squares' bounding rectangle in twips.
TwipsRect 五の範囲(const 五桝& 五) {
  const auto [左, 右] = std::minmax({五[0].first, 五[4].first});
  const auto [上, 下] = std::minmax({五[0].second, 五[4].second});
  return {桝点X(左), 桝点Y(上), static_cast<double>((右 - 左 + 1) * 桝幅),
          static_cast<double>((下 - 上 + 1) * 桝高)};
}

}  // namespace

bool Form1::決着(const 着手の結果& 結果) {
  switch (結果.結果) {
    case 結末::五並び:
      描画_点滅5並び(結果.手番, 結果.五X, 結果.五Y);
      勝ちの五 = 結果.五;
      終了_処理(局.盤面[結果.五X][結果.五Y]);
      勝ちの五.reset();
      if (棋譜欄あり) 描画_五の輪郭(結果.五);
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
  if (棋譜欄あり && 勝ちの五) {
    platform.messageBoxAvoiding(箱の文(勝手 + "の勝ちです"), 箱の文("終了"), BoxIcon::None,
                                五の範囲(*勝ちの五));
  } else {
    platform.messageBox(箱の文(勝手 + "の勝ちです"), 箱の文("終了"), BoxIcon::None);
  }
  局.手番 = 手番_なし;
}

std::optional<五桝> Form1::最後の手の五() const {
  if (記録.記録数 < 1) return std::nullopt;
  const 手順 m = 記録.記録_項目(記録.記録数);
  const 着手の結果 結果 = 着手後の結末(局, 取得_手番(m.元駒), m.元X, m.元Y, m.先X, m.先Y);
  if (結果.結果 != 結末::五並び) return std::nullopt;
  return 結果.五;
}

void Form1::描画_五の輪郭(const 五桝& 五) {
  for (const auto& [x, y] : 五) 描画_桝輪郭(五の輪郭色, x, y);
  canvas.refresh();
}

void Form1::引き分け() {
  ds.dsPlay(音_終局);
  platform.messageBox(箱の文("引き分けです"), 箱の文("終了"), BoxIcon::None);
  局.手番 = 手番_なし;
  局.対局中 = 無;
  前回の対局を消す();
}

}  // namespace brenvolt
