#include "game/game_state.h"

namespace brenvolt {

namespace {

// 先手's stand lists kinds 1..8 downwards from row 2, 後手's upwards from row 8, so the two
// stands are point-symmetric; row 1 of 先手's and row 9 of 後手's address the unused slot 0.
// Any other side, or a row off the stand, has no slot (-1).
int 持駒スロット(int 手番, int 行) {
  if (行 < 1 || 行 > 盤サイズ) return -1;
  if (手番 == 手番_先手) return 行 - 1;
  if (手番 == 手番_後手) return 盤サイズ - 行;
  return -1;
}

constexpr int 初期持駒数[持駒種類数 + 1] = {0, 2, 2, 2, 1, 1, 1, 1, 1};

}  // namespace

int 対局状態::取得_持駒数(int IN_手番, int IN_Y) const {
  const int slot = 持駒スロット(IN_手番, IN_Y);
  if (slot < 0) return 空;
  return IN_手番 == 手番_先手 ? 先手持駒数[slot] : 後手持駒数[slot];
}

int 対局状態::取得_持駒(int IN_手番, int IN_Y) const {
  const int kind = 持駒スロット(IN_手番, IN_Y);
  if (kind < 1) return 空;
  return IN_手番 == 手番_先手 ? 持駒種類の駒[kind] : -持駒種類の駒[kind];
}

int 対局状態::取得_全持駒数(int IN_手番) const {
  int 合計 = 0;
  if (IN_手番 == 手番_先手) {
    for (int row = 2; row <= 9; ++row) 合計 += 取得_持駒数(IN_手番, row);
  } else if (IN_手番 == 手番_後手) {
    for (int row = 1; row <= 8; ++row) 合計 += 取得_持駒数(IN_手番, row);
  }
  return 合計;
}

void 対局状態::初期設定() {
  対局中 = 無;
  手数 = 0;
  for (int kind = 1; kind <= 持駒種類数; ++kind) {
    先手持駒数[kind] = 初期持駒数[kind];
    後手持駒数[kind] = 初期持駒数[kind];
  }
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) 盤面[x][y] = 空;
  }
  後手持駒合計 = 0;
  先手持駒合計 = 0;
  for (int kind = 1; kind <= 持駒種類数; ++kind) {
    if (先手持駒数[kind] > 0) 先手持駒合計 += 先手持駒数[kind];
    if (後手持駒数[kind] > 0) 後手持駒合計 += 後手持駒数[kind];
  }
}

}  // namespace brenvolt
