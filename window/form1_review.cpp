// 表示 → 振り返り, and the best moves outlined on the board: the analysis's, and the review's
// for a marked move.
#include "window/form1.h"

namespace brenvolt {

void Form1::REVIEW_Click() {
  if (COM思考中() || 記録.記録終端 == 0) {
    ds.dsPlay(音_禁止);
    return;
  }
  振り返り.start(試合);
  検討を合わせる();
}

namespace {

// The first move of the analysis's best line, while that line is of the position on the board.
std::optional<着手> 検討の最善手(const Analysis& 検討, const 対局状態& 局) {
  if (!検討.on() || !検討.result() || 検討.result()->手数 != 局.手数 ||
      検討.result()->情報.pv.empty())
    return std::nullopt;
  return 検討.result()->情報.pv.front();
}

}  // namespace

void Form1::最善手の輪郭を合わせる() {
  const std::optional<着手> 検討の手 = 検討の最善手(検討, 局);
  const std::optional<着手> 振り返りの手 = 印の手の最善手(振り返り, 記録.記録数);
  if (検討の手 == 検討の輪郭 && 振り返りの手 == 振り返りの輪郭) return;
  for (const std::optional<着手>& 前 : {検討の輪郭, 振り返りの輪郭}) {
    if (!前) continue;
    描画_桝輪郭(消去色, 前->元X, 前->元Y);
    描画_桝輪郭(消去色, 前->先X, 前->先Y);
  }
  // The erased squares may have carried the chosen piece's marks, the hint or the outline of
  // the computer's move just played.
  選んだ駒の印を描く();
  if (試合.対局モード == モード_COM && 記録.記録数 > 0) {
    const 手順 最後 = 記録.記録_項目(記録.記録数);
    if (取得_手番(最後.元駒) == 試合.COM側) 描画_桝輪郭(色_白, 最後.先X, 最後.先Y);
  }
  if (ヒント) {
    描画_桝輪郭(ヒント色, ヒント->元X, ヒント->元Y);
    描画_桝輪郭(ヒント色, ヒント->先X, ヒント->先Y);
  }
  振り返りの輪郭 = 振り返りの手;
  検討の輪郭 = 検討の手;
  for (const auto& [手, 色] : {std::pair{振り返りの手, 最善手色}, std::pair{検討の手, 検討色}}) {
    if (!手) continue;
    描画_桝輪郭(色, 手->元X, 手->元Y);
    描画_桝輪郭(色, 手->先X, 手->先Y);
  }
  canvas.refresh();
}

}  // namespace brenvolt
