#include "game/game_state.h"
#include "game/piece_table.h"

namespace brenvolt {

namespace {

// 先手's zone is rows 1..3, 後手's rows 7..9.
constexpr bool 先手の敵陣(int y) {
  return y < 4;
}
constexpr bool 後手の敵陣(int y) {
  return y > 6;
}

}  // namespace

// Pawn, lance and knight can only arrive in the zone (they never move backward out of it);
// silver, bishop and rook may also promote when moving inside it or leaving it.
int 対局状態::調査_駒成(int 移動元X, int 移動元Y, int /*移動先X*/, int 移動先Y,
                        int 移動駒種類) const {
  if (移動元X == 後手持駒列 || 移動元X == 先手持駒列) return 空;  // a drop never promotes
  bool 成れる = false;
  int 成った駒 = 空;
  switch (移動駒種類) {
    case 先手_歩:
    case 先手_香:
    case 先手_桂:
      成れる = 先手の敵陣(移動先Y);
      成った駒 = 移動駒種類 - 1;
      break;
    case 先手_銀:
    case 先手_角:
    case 先手_飛:
      成れる = 先手の敵陣(移動先Y) || 先手の敵陣(移動元Y);
      成った駒 = 移動駒種類 - 1;
      break;
    case 後手_歩:
    case 後手_香:
    case 後手_桂:
      成れる = 後手の敵陣(移動先Y);
      成った駒 = 移動駒種類 + 1;
      break;
    case 後手_銀:
    case 後手_角:
    case 後手_飛:
      成れる = 後手の敵陣(移動先Y) || 後手の敵陣(移動元Y);
      成った駒 = 移動駒種類 + 1;
      break;
    default:
      break;  // gold, king and promoted pieces
  }
  return 成れる ? 成った駒 : 空;
}

int 移動後チェック(int 移動先Y, int 移動駒種類) {
  return 行き所がある(移動駒種類, 移動先Y) ? 有 : 無;
}

}  // namespace brenvolt
