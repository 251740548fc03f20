// The state of one game and every rule that reads or changes it: the board, both hands, whose
// turn it is, the shogi movement rules, promotion, the double-pawn rule, the line scans, the
// exact-five test and the double-three / double-four tests. Plain C++: no drawing, no sound.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "game/constants.h"

namespace brenvolt {

// The board, indexed [x][y]; only 1..9 are squares, index 0 is never a square.
using 盤 = std::array<std::array<int, 10>, 10>;
// Hand counts by hand kind 1..8; slot 0 is never set and reads 0.
using 持駒 = std::array<int, 9>;
// Double-pawn flags by column 1..9.
using 二歩列 = std::array<int, 10>;
// Squares (x, y) along one line, from one end to the other.
using 桝の並び = std::vector<std::pair<int, int>>;

// Is this code one of the fifteen codes of that side?
int 調査_駒(int IN_手番, int IN_駒);
// The side owning a piece code, or 0 (no side) for anything else.
int 取得_手番(int IN_駒);
// 無 when an unpromoted piece could not move again from that row, so it must promote.
int 移動後チェック(int 移動先Y, int 移動駒種類);
// The other side, which is also its pawn code.
int 相手の手番(int 手番);
// The hand stand column of a side: 先手持駒列 for 先手, 後手持駒列 otherwise.
int 持駒列の(int 手番);

class 対局状態 {
 public:
  盤 盤面{};
  持駒 先手持駒数{};
  持駒 後手持駒数{};
  int 先手持駒合計 = 0;
  int 後手持駒合計 = 0;
  二歩列 先手2歩{};
  二歩列 後手2歩{};
  int 手番 = 手番_なし;
  int 対局中 = 無;
  int 手数 = 0;

  bool operator==(const 対局状態&) const = default;

  // No game runs: none was started, or the last one is over.
  bool 対局なし() const { return 手番 == 手番_なし || 対局中 == 無; }

  // Hands
  int 取得_持駒数(int IN_手番, int IN_Y) const;
  int 取得_持駒(int IN_手番, int IN_Y) const;
  int 取得_全持駒数(int IN_手番) const;

  // Empties the board, fills both hands, ends any game (state only; the window draws).
  void 初期設定();

  // Movement rules
  int 移動チェック(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類) const;
  int 移動チェック飛車(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) const;
  int 移動チェック角(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) const;

  // Move execution (state only), promotion and double pawn
  void 駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
  // The promoted code the move may arrive as, or 空 when it cannot promote.
  int 調査_駒成(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類) const;
  void 調査_2歩フラグ設定();

  // Run scans: own pieces of IN_手番 in an unbroken run from the neighbour of (IN_X, IN_Y).
  int 調査_右(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_左(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_上(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_下(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_右上(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_右下(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_左上(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_左下(int IN_手番, int IN_X, int IN_Y) const;
  // End scans: the content of the square where a walk over own pieces from (IN_X, IN_Y) stops.
  int 調査_右端(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_左端(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_上端(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_下端(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_右上端(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_右下端(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_左上端(int IN_手番, int IN_X, int IN_Y) const;
  int 調査_左下端(int IN_手番, int IN_X, int IN_Y) const;

  // Five in a row and end of game
  int 調査_5並び(int IN_手番, int IN_X, int IN_Y) const;
  int 終了_判定(int IN_手番, int IN_先X, int IN_先Y) const;
  int 終了_判定周囲(int IN_手番, int IN_元X, int IN_元Y, int& O_X, int& O_Y) const;

  // Forbidden double-three and double-four: try the move on the board, restore it, answer 有
  // when the move must be refused.
  int 調査_三三(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番, int IN_駒);
  int 調査_四四(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番, int IN_駒);
  // The lines behind those answers: each line through the destination that counts as a three
  // (a four) once the move is tried, as its own pieces' squares with the destination, in the
  // order horizontal, vertical, falling and rising diagonal; none when the move makes five. The
  // move is refused exactly when there are two or more. The board is left as it was found.
  std::vector<桝の並び> 三三の線(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番,
                                 int IN_駒);
  std::vector<桝の並び> 四四の線(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番,
                                 int IN_駒);
};

}  // namespace brenvolt
