// The blink of a winning line, and the busy wait between its phases.
#include <array>
#include <optional>
#include <utility>

#include "window/form1.h"

namespace brenvolt {

namespace {

constexpr int 並び数 = 5;
constexpr int 点滅回数 = 5;
constexpr double 点滅間隔秒 = 0.2;

using 五桝 = std::array<std::pair<int, int>, 並び数>;

bool 盤の桝(int x, int y) {
  return x >= 1 && x <= 盤サイズ && y >= 1 && y <= 盤サイズ;
}

// A line through a square: its step towards the far end, and the own pieces next to the
// square behind it and ahead of it.
struct 並び {
  int dx, dy, 後ろ, 前;
};

// The five squares of an exact five of 手番 through (x, y); when several lines are exact
// fives, the last of vertical, horizontal, falling and rising diagonal wins.
std::optional<五桝> 五並びの桝(const 対局状態& 局, int 手番, int x, int y) {
  const 並び 縦 = {0, 1, 局.調査_上(手番, x, y), 局.調査_下(手番, x, y)};
  const 並び 横 = {1, 0, 局.調査_左(手番, x, y), 局.調査_右(手番, x, y)};
  const 並び 下り = {1, 1, 局.調査_左上(手番, x, y), 局.調査_右下(手番, x, y)};
  const 並び 上り = {1, -1, 局.調査_左下(手番, x, y), 局.調査_右上(手番, x, y)};

  std::optional<五桝> 桝;
  for (const 並び& 線 : {縦, 横, 下り, 上り}) {
    if (1 + 線.後ろ + 線.前 != 並び数) continue;
    桝.emplace();
    for (int k = 0; k < 並び数; ++k)
      (*桝)[k] = {x + (k - 線.後ろ) * 線.dx, y + (k - 線.後ろ) * 線.dy};
  }
  return 桝;
}

}  // namespace

void Form1::描画_点滅5並び(int IN_手番, int IN_X, int IN_Y) {
  if (!盤の桝(IN_X, IN_Y)) return;
  // Without an exact five there is nothing to blink; the caller has found one before calling.
  const auto 桝 = 五並びの桝(*this, IN_手番, IN_X, IN_Y);
  if (!桝) return;

  for (int 回 = 0; 回 < 点滅回数; ++回) {
    for (const auto& [x, y] : *桝) 描画_桝(x, y);
    canvas.refresh();
    待ち時間(点滅間隔秒);
    for (const auto& [x, y] : *桝) {
      描画_絵(盤面[x][y], x, y);
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
