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

// The five squares of an exact five of 手番 through (x, y); when several directions have one,
// the last of vertical, horizontal, falling and rising diagonal wins.
std::optional<五桝> 五並びの桝(const 対局状態& 局, int 手番, int x, int y) {
  const int 上 = 局.調査_上(手番, x, y);
  const int 下 = 局.調査_下(手番, x, y);
  const int 左 = 局.調査_左(手番, x, y);
  const int 右 = 局.調査_右(手番, x, y);
  const int 左上 = 局.調査_左上(手番, x, y);
  const int 右下 = 局.調査_右下(手番, x, y);
  const int 左下 = 局.調査_左下(手番, x, y);
  const int 右上 = 局.調査_右上(手番, x, y);

  std::optional<五桝> 桝;
  if (1 + 上 + 下 == 並び数) {
    桝.emplace();
    for (int k = 0; k < 並び数; ++k) (*桝)[k] = {x, y - 上 + k};
  }
  if (1 + 左 + 右 == 並び数) {
    桝.emplace();
    for (int k = 0; k < 並び数; ++k) (*桝)[k] = {x - 左 + k, y};
  }
  if (1 + 左上 + 右下 == 並び数) {
    桝.emplace();
    for (int k = 0; k < 並び数; ++k) (*桝)[k] = {x - 左上 + k, y - 左上 + k};
  }
  if (1 + 左下 + 右上 == 並び数) {
    桝.emplace();
    for (int k = 0; k < 並び数; ++k) (*桝)[k] = {x - 左下 + k, y + 左下 - k};
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
