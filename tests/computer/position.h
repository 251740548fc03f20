// Positions for the computer's tests: an empty board with a game against the computer running,
// pieces put where a test wants them, hands emptied or filled by kind.
#pragma once

#include <cstdint>
#include <random>

#include "game/game_state.h"
#include "game/piece_table.h"

namespace brenvolt::testing {

inline int 相手(int 側) {
  return 側 == 手番_先手 ? 手番_後手 : 手番_先手;
}

// The code of hand kind 1..8 (歩 ... 王) for a side.
inline int 種類の駒(int 側, int 種類) {
  return 側 == 手番_先手 ? 種類の表[種類].先手の駒 : -種類の表[種類].先手の駒;
}

// The hand row holding a kind: 先手's stand has kinds 1..8 at rows 2..9, 後手's at rows 8..1.
inline int 持駒段(int 側, int 種類) {
  return 側 == 手番_先手 ? 種類 + 1 : 9 - 種類;
}

// `com側` is to move, the side the computer will play, and a move has already been played, so
// the fixed opening drop does not apply. Both hands are full.
inline 対局状態 COM局面(int com側) {
  対局状態 局;
  局.初期設定();
  局.手番 = com側;
  局.対局中 = 有;
  局.手数 = 1;
  return 局;
}

inline 持駒& 持駒数(対局状態& 局, int 側) {
  return 側 == 手番_先手 ? 局.先手持駒数 : 局.後手持駒数;
}

// Sets the count of one hand kind and keeps the hand's total in step.
inline void 持たせる(対局状態& 局, int 側, int 種類, int 数) {
  持駒& 数一覧 = 持駒数(局, 側);
  数一覧[種類] = 数;
  int 合計 = 0;
  for (int k = 1; k <= 持駒種類数; ++k) 合計 += 数一覧[k];
  (側 == 手番_先手 ? 局.先手持駒合計 : 局.後手持駒合計) = 合計;
}

inline void 手持ちを空に(対局状態& 局, int 側) {
  for (int k = 1; k <= 持駒種類数; ++k) 持たせる(局, 側, k, 0);
}

inline void 置く(対局状態& 局, int x, int y, int 駒) {
  局.盤面[x][y] = 駒;
}

// A random position reachable in spirit: each side's eleven pieces split at random between
// its hand and the board, promotable pieces sometimes promoted, and the board pieces often
// crowded into a small area so that threes and fours abound. The board may hold shapes no
// game reaches (a pawn on its last row); the computer must cope with them all the same.
inline 対局状態 乱数局面(std::mt19937& rng) {
  std::uniform_int_distribution<int> coin(0, 1);
  const int com側 = coin(rng) != 0 ? 手番_先手 : 手番_後手;
  対局状態 局 = COM局面(com側);
  局.手数 = std::uniform_int_distribution<int>(1, 80)(rng);

  // A crowded area of w x h squares somewhere on the board, or the whole board.
  const int w = std::uniform_int_distribution<int>(3, 9)(rng);
  const int h = std::uniform_int_distribution<int>(3, 9)(rng);
  const int x0 = std::uniform_int_distribution<int>(1, 10 - w)(rng);
  const int y0 = std::uniform_int_distribution<int>(1, 10 - h)(rng);
  constexpr int 全駒[11] = {1, 1, 2, 2, 3, 3, 4, 5, 6, 7, 8};

  for (int 側 : {手番_先手, 手番_後手}) {
    const int 盤上数 = std::uniform_int_distribution<int>(0, 11)(rng);
    int 置いた = 0;
    for (int i = 0; i < 11 && 置いた < 盤上数; ++i) {
      const int 種類 = 全駒[(i + 局.手数) % 11];
      int x = 0;
      int y = 0;
      int 試行 = 0;
      do {
        x = std::uniform_int_distribution<int>(x0, x0 + w - 1)(rng);
        y = std::uniform_int_distribution<int>(y0, y0 + h - 1)(rng);
      } while (局.盤面[x][y] != 空 && ++試行 < 50);
      if (局.盤面[x][y] != 空) break;
      int 駒 = 種類の駒(側, 種類);
      const bool 成れる = 種類 != 5 && 種類 != 8;
      if (成れる && std::uniform_int_distribution<int>(0, 4)(rng) == 0)
        駒 += 側 == 手番_先手 ? -1 : 1;
      局.盤面[x][y] = 駒;
      持たせる(局, 側, 種類, 持駒数(局, 側)[種類] - 1);
      ++置いた;
    }
  }
  return 局;
}

}  // namespace brenvolt::testing
