// Positions for the rule tests: a freshly set-up game with pieces put straight onto the board.
#pragma once

#include <initializer_list>

#include "game/game_state.h"

namespace brenvolt::testing {

struct 桝 {
  int x;
  int y;
};

inline 対局状態 局面(std::initializer_list<桝> 先手, std::initializer_list<桝> 後手 = {}) {
  対局状態 s;
  s.初期設定();
  for (const 桝& m : 先手) s.盤面[m.x][m.y] = 先手_歩;
  for (const 桝& m : 後手) s.盤面[m.x][m.y] = 後手_歩;
  return s;
}

}  // namespace brenvolt::testing
