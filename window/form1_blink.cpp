// The blink of a winning line, and the busy wait between its phases.
#include "window/form1.h"

namespace brenvolt {

namespace {

constexpr int 点滅回数 = 5;
constexpr double 点滅間隔秒 = 0.2;

}  // namespace

void Form1::描画_点滅5並び(int IN_手番, int IN_X, int IN_Y) {
  // Without an exact five there is nothing to blink; the caller has found one before calling.
  const auto 桝 = 五並びの桝(局, IN_手番, IN_X, IN_Y);
  if (!桝) return;

  for (int 回 = 0; 回 < 点滅回数; ++回) {
    for (const auto& [x, y] : *桝) 描画_桝(x, y);
    canvas.refresh();
    待ち時間(点滅間隔秒);
    for (const auto& [x, y] : *桝) {
      描画_絵(局.盤面[x][y], x, y);
      描画_桝輪郭(背景色, x, y);
    }
    canvas.refresh();
    待ち時間(点滅間隔秒);
  }
}

void Form1::待ち時間(double IN_秒) {
  // Written so that a NaN wait, like one of 0 or less, returns at once.
  if (!(IN_秒 > 0)) return;
  const double 終わり = platform.clockSeconds() + IN_秒;
  while (platform.clockSeconds() < 終わり) {
  }
}

}  // namespace brenvolt
