#include "game/game_state.h"

namespace brenvolt {

namespace {

// The fifteen codes a side owns, including the gold "promotion" that nothing ever produces.
constexpr int 先手の駒[] = {先手_歩,   先手_と,   先手_香,   先手_香成, 先手_桂,
                            先手_桂成, 先手_銀,   先手_銀成, 先手_金,   先手_金成,
                            先手_角,   先手_角成, 先手_飛,   先手_飛成, 先手_王};

constexpr bool 先手の駒か(int 駒) {
  for (int c : 先手の駒) {
    if (c == 駒) return true;
  }
  return false;
}

// 後手 owns the negations; the sign test comes first so no code is ever negated past int's range.
constexpr bool 後手の駒か(int 駒) {
  return 駒 > 0 && 先手の駒か(-駒);
}

}  // namespace

int 調査_駒(int IN_手番, int IN_駒) {
  if (IN_手番 == 手番_先手 && 先手の駒か(IN_駒)) return 有;
  if (IN_手番 == 手番_後手 && 後手の駒か(IN_駒)) return 有;
  return 無;
}

int 取得_手番(int IN_駒) {
  if (先手の駒か(IN_駒)) return 手番_先手;
  if (後手の駒か(IN_駒)) return 手番_後手;
  return 空;
}

int 相手の手番(int 手番) {
  return 手番 == 手番_先手 ? 手番_後手 : 手番_先手;
}

int 持駒列の(int 手番) {
  return 手番 == 手番_先手 ? 先手持駒列 : 後手持駒列;
}

}  // namespace brenvolt
