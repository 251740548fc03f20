// The move record on screen: recording each move, and the "局面" menu that abandons the game,
// takes moves back one at a time or a whole turn (待った), and replays them.
#include "game/board_square.h"
#include "window/form1.h"

namespace brenvolt {

void Form1::手順保存(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動元駒,
                     int 移動先駒) {
  記録.記録_追加(局, 移動元X, 移動元Y, 移動先X, 移動先Y, 移動元駒, 移動先駒);
}

void Form1::CANCEL_Click() {
  局.手番 = 手番_なし;
  初期設定();
  前回の対局を消す();
  ds.dsPlay(音_駒打);
}

void Form1::REPLAY_Click() {
  思考を取り消す();
  if (!一手戻す()) 戻せない();
}

// Between two people 待った is 戻. Against the computer it takes back the computer's replies
// and the person's move before them, so that the person is to move again; while the computer
// thinks, only the person's move is there to take back.
void Form1::MATTA_Click() {
  思考を取り消す();
  if (試合.対局モード != モード_COM) {
    if (!一手戻す()) 戻せない();
    return;
  }
  if (!人の手がある()) {
    戻せない();
    return;
  }
  while (const std::optional<手順> 戻した = 一手戻す()) {
    if (取得_手番(戻した->元駒) == 試合.人間側) break;
  }
}

bool Form1::人の手がある() const {
  for (int i = 1; i <= 記録.記録数; ++i) {
    if (取得_手番(記録.記録_項目(i).元駒) == 試合.人間側) return true;
  }
  return false;
}

void Form1::戻せない() {
  ds.dsPlay(音_禁止);
  platform.messageBox(箱の文("できません"), 箱の文("戻る"), BoxIcon::None);
}

std::optional<手順> Form1::一手戻す() {
  const std::optional<手順> 戻した = 試合.戻す();
  if (!戻した) return 戻した;
  const 手順& m = *戻した;
  入力段階 = 0;
  描画_将棋盤桝();
  if (盤上の桝(m.元X, m.元Y)) {
    描画_絵(m.元駒, m.元X, m.元Y);
    描画_桝輪郭(背景色, m.元X, m.元Y);
  }
  描画_黒持盤();
  描画_白持盤();
  描画_桝(m.先X, m.先Y);
  ds.dsPlay(音_駒打);
  if (m.元駒 > 0)
    描画_四角形(後手結果X, 後手結果Y, 戻し結果欄幅, 戻し結果欄高, 背景色);
  else
    描画_四角形(先手結果X, 先手結果Y, 戻し結果欄幅, 戻し結果欄高, 背景色);
  描画_手数(局.手数, 色_白);
  return 戻した;
}

void Form1::AFTER_Click() {
  思考を取り消す();
  const std::optional<手順> 進めた = 試合.進める();
  if (!進めた) {
    ds.dsPlay(音_禁止);
    platform.messageBox(箱の文("できません"), 箱の文("進む"), BoxIcon::None);
    return;
  }
  const 手順& m = *進めた;
  入力段階 = 0;
  描画_将棋盤桝();
  描画_手数(局.手数, 色_白);
  描画_桝(m.元X, m.元Y);
  描画_絵(m.先駒, m.先X, m.先Y);
  描画_桝輪郭(背景色, m.先X, m.先Y);
  描画_黒持盤();
  描画_白持盤();
  描画_移動結果(m.先X, m.先Y, m.先駒, 結果色);
  ds.dsPlay(音_駒打);
  描画_手数(局.手数, 色_白);
  // Replaying a move that ended the game ends it again as it ended when first played.
  決着(着手後の結末(局, 取得_手番(m.元駒), m.元X, m.元Y, m.先X, m.先Y));
}

}  // namespace brenvolt
