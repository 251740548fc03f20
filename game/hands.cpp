#include "game/game_state.h"
#include "game/piece_table.h"

namespace brenvolt {

int 対局状態::取得_持駒数(int IN_手番, int IN_Y) const {
  const int slot = 段の持駒スロット(IN_手番, IN_Y);
  if (slot < 0) return 空;
  return IN_手番 == 手番_先手 ? 先手持駒数[slot] : 後手持駒数[slot];
}

int 対局状態::取得_持駒(int IN_手番, int IN_Y) const {
  return 種類の駒(IN_手番, 段の持駒スロット(IN_手番, IN_Y));
}

int 対局状態::取得_全持駒数(int IN_手番) const {
  if (IN_手番 != 手番_先手 && IN_手番 != 手番_後手) return 0;
  int 合計 = 0;
  for (int kind = 1; kind <= 持駒種類数; ++kind)
    合計 += 取得_持駒数(IN_手番, 持駒の段(IN_手番, kind));
  return 合計;
}

void 対局状態::初期設定() {
  対局中 = 無;
  手数 = 0;
  for (int kind = 1; kind <= 持駒種類数; ++kind) {
    先手持駒数[kind] = 種類の表[kind].初期数;
    後手持駒数[kind] = 種類の表[kind].初期数;
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
