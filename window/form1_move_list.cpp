// Going to any move of the record at once, as the panel's move list does: the position and the
// picture that stepping there with 戻 and 進 would leave, drawn in one go.
#include <algorithm>

#include "window/form1.h"
#include "window/text_areas.h"

namespace brenvolt {

namespace {

// The last move of 側 among entries 下+1 .. 上 of the record.
std::optional<手順> 範囲の最後の手(const 手順記録& 記録, int 側, int 下, int 上) {
  for (int i = 上; i > 下; --i) {
    if (取得_手番(記録.記録_元駒[i]) == 側) return 記録.記録_項目(i);
  }
  return std::nullopt;
}

}  // namespace

void Form1::手目へ(int 手目) {
  const int 元 = 記録.記録数;
  const int 先 = std::clamp(手目, 0, 記録.記録終端);
  if (先 == 元) return;
  思考を取り消す();
  試合.手目へ(先);
  入力段階 = 0;
  // The board redrawn whole also erases every outline, as each step's redraw does.
  描画_盤();
  描画_黒持盤();
  描画_白持盤();
  結果欄を合わせる(元, 先);
  // Each step draws the count last; it reaches into the 先手 slot's top.
  描画_手数(局.手数, 色_白);
  if (先 > 元) {
    // A replayed move that ended the game ends it again, as 進 would, but quietly.
    const 手順 m = 記録.記録_項目(先);
    const 着手の結果 結果 = 着手後の結末(局, 取得_手番(m.元駒), m.元X, m.元Y, m.先X, m.先Y);
    if (結果.結果 != 結末::続行) {
      局.手番 = 手番_なし;
      局.対局中 = 無;
    }
    if (結果.結果 == 結末::五並び && 棋譜欄あり) 描画_五の輪郭(結果.五);
  }
  canvas.refresh();
}

void Form1::結果欄を合わせる(int 元, int 先) {
  for (const int 側 : {手番_先手, 手番_後手}) {
    const auto 手 = 範囲の最後の手(記録, 側, std::min(元, 先), std::max(元, 先));
    if (!手) continue;
    if (先 < 元) {
      描画_四角形(側 == 手番_先手 ? 先手結果X : 後手結果X, 側 == 手番_先手 ? 先手結果Y : 後手結果Y,
                  戻し結果欄幅, 戻し結果欄高, 背景色);
    } else {
      描画_移動結果(手->先X, 手->先Y, 手->先駒, 結果色);
    }
  }
}

}  // namespace brenvolt
