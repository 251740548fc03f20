#include "game/move_record.h"

#include "game/board_square.h"
#include "game/piece_table.h"

namespace brenvolt {

namespace {

// The owner's side by the sign of the code; the caller has checked it is a piece.
int 持主(int 駒) {
  return 駒 < 0 ? 手番_先手 : 手番_後手;
}

// Adds 増減 pieces of the kind of 駒 to its owner's hand, keeping the total in step.
void 持駒増減(対局状態& 局, int 駒, int 増減) {
  const int 種類 = 持駒種類(駒);
  if (種類 == 0) return;
  if (持主(駒) == 手番_先手) {
    局.先手持駒数[種類] += 増減;
    局.先手持駒合計 += 増減;
  } else {
    局.後手持駒数[種類] += 増減;
    局.後手持駒合計 += 増減;
  }
}

}  // namespace

bool 記録可能な元(int X, int Y) {
  if (X == 先手持駒列 || X == 後手持駒列) return Y >= 1 && Y <= 盤サイズ;
  return 盤上の桝(X, Y);
}

void 手順記録::記録_消去() {
  記録数 = 0;
  記録終端 = 0;
  記録_開始手数 = 0;
}

手順 手順記録::記録_項目(int i) const {
  if (i < 1 || i > 記録終端) return {};
  return {記録_元X[i],  記録_元Y[i],  記録_先X[i], 記録_先Y[i],
          記録_元駒[i], 記録_先駒[i], 記録_取駒[i]};
}

std::optional<手順> 手順記録::記録_最後の手(int 側) const {
  for (int i = 記録数; i >= 1; --i) {
    if (取得_手番(記録_元駒[i]) == 側) return 記録_項目(i);
  }
  return std::nullopt;
}

bool 手順記録::記録_追加(const 対局状態& 局, int 元X, int 元Y, int 先X, int 先Y, int 元駒,
                         int 先駒) {
  if (記録_満杯() || !記録可能な元(元X, 元Y) || !盤上の桝(先X, 先Y)) return false;
  // Take-back gives the source piece back to its owner. The arriving piece may still be
  // unknown (the turn flow records before the promotion is chosen) and is set afterwards.
  if (持駒種類(元駒) == 0) return false;
  const int i = ++記録数;
  記録_元X[i] = 元X;
  記録_元Y[i] = 元Y;
  記録_先X[i] = 先X;
  記録_先Y[i] = 先Y;
  記録_元駒[i] = 元駒;
  記録_先駒[i] = 先駒;
  記録_取駒[i] = 局.盤面[先X][先Y];
  記録終端 = 記録数;
  return true;
}

void 手順記録::記録_先駒変更(int 先駒) {
  if (記録数 < 1 || 持駒種類(先駒) == 0 || 持主(先駒) != 持主(記録_元駒[記録数])) return;
  記録_先駒[記録数] = 先駒;
}

std::optional<手順> 手順記録::記録_一手戻す(対局状態& 局) {
  if (記録数 < 1) return std::nullopt;
  const 手順 m = 記録_項目(記録数);
  if (盤上の桝(m.元X, m.元Y))
    局.盤面[m.元X][m.元Y] = m.元駒;
  else
    持駒増減(局, m.先駒, +1);
  局.盤面[m.先X][m.先Y] = m.取駒;
  局.手番 = 持主(m.元駒);
  局.対局中 = 有;
  --記録数;
  --局.手数;
  return m;
}

std::optional<手順> 手順記録::記録_一手進める(対局状態& 局) {
  if (記録数 >= 記録終端) return std::nullopt;
  const 手順 m = 記録_項目(++記録数);
  ++局.手数;
  if (盤上の桝(m.元X, m.元Y))
    局.盤面[m.元X][m.元Y] = 空;
  else
    持駒増減(局, m.先駒, -1);
  局.盤面[m.先X][m.先Y] = m.先駒;
  局.手番 = 相手の手番(持主(m.元駒));
  return m;
}

}  // namespace brenvolt
