// Positions on the window are given in square units: (x, y) stands for the twips point of the
// top-left corner of square (x, y), so fractional units place texts between squares.
#pragma once

#include "game/constants.h"

namespace brenvolt {

inline constexpr double 桝点X(double x) {
  return 盤左 + x * 桝幅;
}
inline constexpr double 桝点Y(double y) {
  return 盤上 + y * 桝高;
}

}  // namespace brenvolt
