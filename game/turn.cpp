#include "game/turn.h"

#include "game/board_square.h"
#include "game/piece_table.h"

namespace brenvolt {

namespace {

constexpr bool 持駒列か(int x) {
  return x == 先手持駒列 || x == 後手持駒列;
}

// The piece must be the side's: on the source square, or in the side's own hand at that row.
bool 手番の駒が元にある(const 対局状態& 局, int 元X, int 元Y, int 移動駒) {
  const int 側 = 局.手番;
  if (調査_駒(側, 移動駒) != 有) return false;
  if (持駒列か(元X)) {
    return 元X == 持駒列の(側) && 局.取得_持駒数(側, 元Y) > 0 && 局.取得_持駒(側, 元Y) == 移動駒;
  }
  return 盤上の桝(元X, 元Y) && 局.盤面[元X][元Y] == 移動駒;
}

// The piece that will stand, or nothing when the promotion asked for cannot be.
std::optional<int> 置く駒(const 対局状態& 局, int 元X, int 元Y, int 先X, int 先Y, int 移動駒,
                          成り方 成り) {
  const int 成った駒 = 局.調査_駒成(元X, 元Y, 先X, 先Y, 移動駒);
  switch (成り) {
    case 成り方::成る:
      if (成った駒 == 空) return std::nullopt;
      return 成った駒;
    case 成り方::成らない:
      if (移動後チェック(先Y, 移動駒) == 無) return std::nullopt;
      return 移動駒;
    case 成り方::成れれば成る:
      return 成った駒 != 空 ? 成った駒 : 移動駒;
  }
  return std::nullopt;
}

// A line through a square: its step towards the far end, and the own pieces next to the
// square behind it and ahead of it.
struct 並び {
  int dx, dy, 後ろ, 前;
};

}  // namespace

着手判定の答え 着手判定(対局状態& 局, int 元X, int 元Y, int 先X, int 先Y, int 移動駒, 成り方 成り) {
  if (局.対局なし()) return {判定::対局なし};
  if (!手番の駒が元にある(局, 元X, 元Y, 移動駒)) return {判定::不可};
  局.調査_2歩フラグ設定();
  if (局.移動チェック(元X, 元Y, 先X, 先Y, 移動駒) != 有) return {判定::不可};
  if (局.調査_三三(元X, 元Y, 先X, 先Y, 局.手番, 移動駒) == 有) return {判定::三三};
  if (局.調査_四四(元X, 元Y, 先X, 先Y, 局.手番, 移動駒) == 有) return {判定::四四};
  const std::optional<int> 置駒 = 置く駒(局, 元X, 元Y, 先X, 先Y, 移動駒, 成り);
  if (!置駒) return {判定::成り};
  return {判定::可, 着手{元X, 元Y, 先X, 先Y, 移動駒, *置駒}};
}

std::optional<五桝> 五並びの桝(const 対局状態& 局, int 手番, int x, int y) {
  if (!盤上の桝(x, y)) return std::nullopt;
  const 並び 縦 = {0, 1, 局.調査_上(手番, x, y), 局.調査_下(手番, x, y)};
  const 並び 横 = {1, 0, 局.調査_左(手番, x, y), 局.調査_右(手番, x, y)};
  const 並び 下り = {1, 1, 局.調査_左上(手番, x, y), 局.調査_右下(手番, x, y)};
  const 並び 上り = {1, -1, 局.調査_左下(手番, x, y), 局.調査_右上(手番, x, y)};

  std::optional<五桝> 桝;
  for (const 並び& 線 : {縦, 横, 下り, 上り}) {
    if (1 + 線.後ろ + 線.前 != static_cast<int>(五桝{}.size())) continue;
    桝.emplace();
    for (int k = 0; k < static_cast<int>(桝->size()); ++k) {
      (*桝)[k] = {x + (k - 線.後ろ) * 線.dx, y + (k - 線.後ろ) * 線.dy};
    }
  }
  return 桝;
}

namespace {

// Calls 見る(手) for each move 局.手番 may play until it returns true, and tells whether it
// did: the side's pieces on the board square by square (column, then row), then its hand
// kinds 1..8; for each, the empty squares in the same order, without promotion and then with
// it (a drop only without).
template <typename 見る関数>
bool 指せる手を順に見る(対局状態& 局, 見る関数 見る) {
  const int 側 = 局.手番;
  const auto 行き先を見る = [&](int 元X, int 元Y, int 駒, bool 打つ) {
    for (int x = 1; x <= 盤サイズ; ++x) {
      for (int y = 1; y <= 盤サイズ; ++y) {
        if (局.盤面[x][y] != 空) continue;
        for (const 成り方 成り : {成り方::成らない, 成り方::成る}) {
          if (打つ && 成り == 成り方::成る) continue;
          const 着手判定の答え 答え = 着手判定(局, 元X, 元Y, x, y, 駒, 成り);
          if (答え.結果 == 判定::可 && 見る(答え.手)) return true;
        }
      }
    }
    return false;
  };
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const int 駒 = 局.盤面[x][y];
      if (調査_駒(側, 駒) == 有 && 行き先を見る(x, y, 駒, false)) return true;
    }
  }
  for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
    const int 段 = 持駒の段(側, 種類);
    if (局.取得_持駒数(側, 段) > 0 && 行き先を見る(持駒列の(側), 段, 種類の駒(側, 種類), true)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool 指せる手がある(対局状態& 局) {
  return 指せる手を順に見る(局, [](const 着手&) { return true; });
}

std::vector<着手> 指せる手(対局状態& 局) {
  std::vector<着手> 手;
  指せる手を順に見る(局, [&手](const 着手& 一手) {
    手.push_back(一手);
    return false;
  });
  return 手;
}

bool 手数上限(const 対局状態& 局) {
  return !局.対局なし() && 局.手数 >= 記録上限;
}

着手の結果 着手後の結末(const 対局状態& 局, int 手番, int 元X, int 元Y, int 先X, int 先Y) {
  着手の結果 結果;
  結果.手番 = 手番;
  int 周囲X = 0;
  int 周囲Y = 0;
  if (局.終了_判定(手番, 先X, 先Y) == 有) {
    結果.五X = 先X;
    結果.五Y = 先Y;
  } else if (局.終了_判定周囲(手番, 元X, 元Y, 周囲X, 周囲Y) == 有 && 盤上の桝(周囲X, 周囲Y)) {
    結果.五X = 周囲X;
    結果.五Y = 周囲Y;
  } else {
    結果.結果 = 手数上限(局) ? 結末::引き分け : 結末::続行;
    return 結果;
  }
  結果.結果 = 結末::五並び;
  if (const auto 桝 = 五並びの桝(局, 手番, 結果.五X, 結果.五Y)) 結果.五 = *桝;
  return 結果;
}

着手の結果 着手実行(対局状態& 局, const 着手& 手) {
  const int 指した側 = 取得_手番(手.移動駒);
  局.駒移動(手.元X, 手.元Y, 手.先X, 手.先Y, 手.置駒);
  局.手数 += 1;
  局.手番 = 相手の手番(指した側);
  const 着手の結果 結果 = 着手後の結末(局, 指した側, 手.元X, 手.元Y, 手.先X, 手.先Y);
  if (結果.結果 == 結末::五並び) 局.対局中 = 無;
  return 結果;
}

}  // namespace brenvolt
