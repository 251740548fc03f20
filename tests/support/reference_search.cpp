#include "tests/support/reference_search.h"

#include "computer/classic/board_move_limit.h"
#include "computer/classic/opening.h"
#include "computer/classic/score_levels.h"
#include "game/piece_table.h"

namespace brenvolt::reference {
namespace {

struct 最善 {
  int 得点 = 得点_初期値;
  std::optional<着手> 手;

  void 比較(int 得点候補, const 着手& 候補) {
    if (得点候補 > 得点) {
      得点 = 得点候補;
      手 = 候補;
    }
  }
};

bool 禁手(対局状態& 局, int COM側, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
  return 局.調査_三三(元X, 元Y, 先X, 先Y, COM側, 駒) != 無 ||
         局.調査_四四(元X, 元Y, 先X, 先Y, COM側, 駒) != 無;
}

int 盤上試し得点(対局状態& 局, int COM側, int 元X, int 元Y, int 先X, int 先Y, int 置く駒,
                 探索統計* 統計) {
  局.盤面[元X][元Y] = 空;
  局.盤面[先X][先Y] = 置く駒;
  if (統計 != nullptr) ++統計->得点計算数;
  return 調査_得点(局, COM側, 元X, 元Y, 先X, 先Y);
}

// Scores a board move, choosing promotion when it is compulsory, or optional and strictly
// better; leaves the board as it was.
void 盤上候補(対局状態& 局, int COM側, int 元X, int 元Y, int 先X, int 先Y, int 駒, 最善& 最良,
              探索統計* 統計) {
  if (禁手(局, COM側, 元X, 元Y, 先X, 先Y, 駒)) return;
  int 得点 = 0;
  int 置く駒 = 駒;
  const int 成 = 局.調査_駒成(元X, 元Y, 先X, 先Y, 駒);
  if (成 == 空) {
    得点 = 盤上試し得点(局, COM側, 元X, 元Y, 先X, 先Y, 駒, 統計);
  } else if (移動後チェック(先Y, 駒) == 無) {
    置く駒 = 成;
    得点 = 盤上試し得点(局, COM側, 元X, 元Y, 先X, 先Y, 置く駒, 統計);
  } else {
    const int 不成得点 = 盤上試し得点(局, COM側, 元X, 元Y, 先X, 先Y, 駒, 統計);
    const int 成得点 = 盤上試し得点(局, COM側, 元X, 元Y, 先X, 先Y, 成, 統計);
    得点 = 不成得点;
    if (成得点 > 不成得点) {
      得点 = 成得点;
      置く駒 = 成;
    }
  }
  局.盤面[元X][元Y] = 駒;
  局.盤面[先X][先Y] = 空;
  最良.比較(得点, 着手{元X, 元Y, 先X, 先Y, 駒, 置く駒});
}

void 盤上移動探索(対局状態& 局, int COM側, 最善& 最良, 探索統計* 統計) {
  for (int 元X = 1; 元X <= 盤サイズ; ++元X) {
    for (int 元Y = 1; 元Y <= 盤サイズ; ++元Y) {
      const int 駒 = 局.盤面[元X][元Y];
      if (調査_駒(COM側, 駒) != 有) continue;
      for (int 先X = 1; 先X <= 盤サイズ; ++先X) {
        for (int 先Y = 1; 先Y <= 盤サイズ; ++先Y) {
          if (局.移動チェック(元X, 元Y, 先X, 先Y, 駒) != 有) continue;
          盤上候補(局, COM側, 元X, 元Y, 先X, 先Y, 駒, 最良, 統計);
        }
      }
    }
  }
}

void 打ち探索(対局状態& 局, int COM側, 最善& 最良, 探索統計* 統計) {
  const int 列 = 持駒列の(COM側);
  const int 最初の段 = 持駒台の最初の段(COM側);
  for (int 段 = 最初の段; 段 < 最初の段 + 持駒種類数; ++段) {
    if (局.取得_持駒数(COM側, 段) <= 0) continue;
    const int 駒 = 局.取得_持駒(COM側, 段);
    for (int 先X = 1; 先X <= 盤サイズ; ++先X) {
      for (int 先Y = 1; 先Y <= 盤サイズ; ++先Y) {
        if (調査_周囲駒有(局, 先X, 先Y) != 有) continue;
        if (局.移動チェック(列, 段, 先X, 先Y, 駒) != 有) continue;
        if (禁手(局, COM側, 列, 段, 先X, 先Y, 駒)) continue;
        局.盤面[先X][先Y] = 駒;
        if (統計 != nullptr) ++統計->得点計算数;
        const int 得点 = 調査_得点(局, COM側, 列, 段, 先X, 先Y);
        局.盤面[先X][先Y] = 空;
        最良.比較(得点, 着手{列, 段, 先X, 先Y, 駒, 駒});
      }
    }
  }
}

}  // namespace

std::optional<着手> com_ban_探索(対局状態& 局, int COM側, 探索統計* 統計) {
  const int 手持 = 局.取得_全持駒数(COM側);
  if (auto 開始手 = 初手(局, COM側)) return 開始手;
  最善 最良;
  局.調査_2歩フラグ設定();
  if (手持 < 盤上移動上限) 盤上移動探索(局, COM側, 最良, 統計);
  if (手持 > 0) 打ち探索(局, COM側, 最良, 統計);
  return 最良.手;
}

}  // namespace brenvolt::reference
