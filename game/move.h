// One move as the turn plays it: from a board square or a hand row to a board square.
#pragma once

#include "game/constants.h"

namespace brenvolt {

// A drop has the hand column (先手持駒列 or 後手持駒列) and the hand row as its source.
// 移動駒 is the piece as it leaves the source, 置駒 the piece as it will stand (promoted or not).
struct 着手 {
  int 元X = 0;
  int 元Y = 0;
  int 先X = 0;
  int 先Y = 0;
  int 移動駒 = 空;
  int 置駒 = 空;
  bool operator==(const 着手&) const = default;
};

}  // namespace brenvolt
