#include "game/board_square.h"
#include "game/game_state.h"
#include "game/piece_table.h"

namespace brenvolt {

namespace {

// Takes one piece of hand kind `slot` out of a hand. A slot that names no kind, or a kind with
// none left, is refused (false) rather than driving a count below zero and putting a piece on
// the board that never existed.
bool 持駒を一つ減らす(持駒& 数, int& 合計, int slot) {
  if (slot < 1 || slot > 持駒種類数 || 数[slot] <= 0) return false;
  --数[slot];
  --合計;
  return true;
}

}  // namespace

// Applies a move or drop that the caller has already found legal; the piece given is what is
// placed, so a promoting move passes the promoted code. A move that cannot be carried out
// (destination or source off the board, or a drop from an empty or non-existent hand row)
// changes nothing.
void 対局状態::駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  if (!盤上の桝(移動先X, 移動先Y)) return;
  if (移動元X == 後手持駒列) {
    if (!持駒を一つ減らす(後手持駒数, 後手持駒合計, 段の持駒スロット(手番_後手, 移動元Y))) return;
  } else if (移動元X == 先手持駒列) {
    if (!持駒を一つ減らす(先手持駒数, 先手持駒合計, 段の持駒スロット(手番_先手, 移動元Y))) return;
  } else {
    if (!盤上の桝(移動元X, 移動元Y)) return;
    盤面[移動元X][移動元Y] = 空;
  }
  盤面[移動先X][移動先Y] = 移動駒;
}

void 対局状態::調査_2歩フラグ設定() {
  for (int x = 1; x <= 盤サイズ; ++x) {
    先手2歩[x] = 0;
    後手2歩[x] = 0;
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (盤面[x][y] == 先手_歩) {
        先手2歩[x] = 1;
      } else if (盤面[x][y] == 後手_歩) {
        後手2歩[x] = 1;
      }
    }
  }
}

}  // namespace brenvolt
