// Positions for the rule tests: a freshly set-up game with pieces put straight onto the board,
// and a snapshot of everything a query must leave as it found it.
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

struct 状態の写し {
  盤 盤面;
  持駒 先手持駒数, 後手持駒数;
  int 先手持駒合計, 後手持駒合計;
  二歩列 先手2歩, 後手2歩;
  int 成駒;

  explicit 状態の写し(const 対局状態& s)
      : 盤面(s.盤面),
        先手持駒数(s.先手持駒数),
        後手持駒数(s.後手持駒数),
        先手持駒合計(s.先手持駒合計),
        後手持駒合計(s.後手持駒合計),
        先手2歩(s.先手2歩),
        後手2歩(s.後手2歩),
        成駒(s.成駒) {}
  bool operator==(const 状態の写し&) const = default;
};

}  // namespace brenvolt::testing
