// The computer's turn on screen: the thinking notice, the search, and the chosen move played
// through the same record, move, sound and drawing steps as a person's. The standard level
// searches at once, inside the event; the strong levels search off the user-interface thread
// and play their answer when it comes back, unless a command has cancelled it meanwhile.
#include "computer/classic/computer.h"
#include "window/form1.h"

namespace brenvolt {

void Form1::結果欄消去(int 側) {
  if (側 == 手番_先手)
    描画_四角形(先手結果X, 先手結果Y, 結果欄幅, 結果欄高, 背景色);
  else if (側 == 手番_後手)
    描画_四角形(後手結果X, 後手結果Y, 結果欄幅, 結果欄高, 背景色);
}

void Form1::com_ban() {
  // A game at the record's bound takes no further move; it ends as it would after the last one.
  if (手数上限(局)) {
    引き分け();
    return;
  }
  結果欄消去(試合.COM側);
  if (試合.COM側 == 手番_先手)
    描画_数値(先手結果X, 先手結果Y, 盤の文("思考中"), 結果色, 0, 思考中の大きさ);
  else if (試合.COM側 == 手番_後手)
    描画_数値(後手結果X, 後手結果Y, 盤の文("思考中"), 結果色, 0, 思考中の大きさ);
  // The standard search handles no events, so the notice must reach the screen before it
  // starts; the strong levels show it the same way.
  canvas.refresh();

  if (思考.level() == 強さ_標準) {
    COMの着手(com_ban_探索(局, 試合.COM側));
    return;
  }
  ヒント探索中 = false;
  思考.start(局, 思考.limits_for(思考.level()), [this](std::optional<着手> 手) { 探索の答え(手); });
  // The analysis gives the computer the machine while it thinks.
  if (思考.thinking()) 検討を合わせる();
}

// The answer belongs to this very position (every command that changes it cancels the
// search), and the search plays by the rules; a move the rules refuse all the same is never
// played: the standard computer moves instead.
void Form1::探索の答え(const std::optional<着手>& 手) {
  if (手) {
    const 成り方 成り = 手->置駒 != 手->移動駒 ? 成り方::成る : 成り方::成らない;
    const 着手判定の答え 答え = 着手判定(局, 手->元X, 手->元Y, 手->先X, 手->先Y, 手->移動駒, 成り);
    if (答え.結果 == 判定::可 && 答え.手 == *手) {
      COMの着手(手);
      return;
    }
    COMの着手(com_ban_探索(局, 試合.COM側));
    return;
  }
  COMの着手(std::nullopt);
}

void Form1::COMの着手(const std::optional<着手>& 手) {
  if (!手) {
    // No candidate: the computer passes and the person is to move again.
    結果欄消去(試合.COM側);
    局.手番 = 試合.人間側;
    return;
  }
  手順保存(手->元X, 手->元Y, 手->先X, 手->先Y, 手->移動駒, 手->置駒);
  // The person's side is to move next unless the move ends the game.
  const 着手の結果 結果 = 試合.実行(*手);
  描画_手数(局.手数, 色_白);
  描画_駒移動(手->元X, 手->元Y, 手->先X, 手->先Y, 手->置駒);
  ds.dsPlay(音_駒打);
  描画_桝輪郭(色_白, 手->先X, 手->先Y);
  描画_移動結果(手->先X, 手->先Y, 手->置駒, 色_白);
  決着(結果);
}

void Form1::思考を取り消す() {
  if (思考.thinking()) {
    思考.cancel();
    if (!ヒント探索中) 結果欄消去(試合.COM側);
  }
  ヒント探索中 = false;
  ヒントを消す();
}

}  // namespace brenvolt
