// The computer's strength and the hint: the "強さ" items under "ｵﾌﾟｼｮﾝ", and "ヒント" under
// "局面", which outlines what the strongest level would play for the person to move.
#include "window/form1.h"

namespace brenvolt {

// The player's choice, unlike the level a record brings with it.
void Form1::強さ_Click(int 強さ) {
  強さ_選択(強さ);
  if (選択変更時) 選択変更時();
}

// The new level counts from the computer's next move. A search already running for this move
// is dropped and the move is thought again at the new level; a hint being worked out is the
// strongest level's whatever the choice, so it goes on.
void Form1::強さ_選択(int 強さ) {
  思考.set_level(強さ);
  for (int i = 0; i <= 強さ_最強; ++i)
    platform.setMenuChecked(強さの表[i].項目名, i == 思考.level());
  if (!COM思考中()) return;
  思考を取り消す();
  com_ban();
}

void Form1::HINT_Click() {
  const bool 人の番 = !局.対局なし() && !(試合.COMの番());
  if (!人の番) {
    ds.dsPlay(音_禁止);
    return;
  }
  ヒントを消す();
  ヒント探索中 = true;
  思考.start(局, 思考.limits_for(強さ_最強), [this](std::optional<着手> 手) { ヒントを示す(手); });
}

void Form1::ヒントを示す(const std::optional<着手>& 手) {
  ヒント探索中 = false;
  if (!手) {
    // The side to move has no move at all.
    ds.dsPlay(音_禁止);
    return;
  }
  ヒント = 手;
  描画_桝輪郭(ヒント色, 手->元X, 手->元Y);
  描画_桝輪郭(ヒント色, 手->先X, 手->先Y);
  canvas.refresh();
}

void Form1::ヒントを消す() {
  if (!ヒント) return;
  const 着手 手 = *ヒント;
  ヒント.reset();
  描画_桝輪郭(消去色, 手.元X, 手.元Y);
  描画_桝輪郭(消去色, 手.先X, 手.先Y);
  // The hint may have covered the chosen piece's outline or a square its guidance showed.
  選んだ駒の印を描く();
}

}  // namespace brenvolt
