// Every move the side to move may play, found with the game's own judge: for tests that play
// random games.
#pragma once

#include <vector>

#include "game/piece_table.h"
#include "game/turn.h"

namespace brenvolt::testing {

inline std::vector<着手> 指せる手(対局状態& 局) {
  std::vector<着手> 手;
  const int 側 = 局.手番;
  const auto 試す = [&](int 元X, int 元Y, int 駒, int x, int y) {
    for (const 成り方 成り : {成り方::成らない, 成り方::成る}) {
      const auto 答え = 着手判定(局, 元X, 元Y, x, y, 駒, 成り);
      if (答え.結果 == 判定::可) 手.push_back(答え.手);
    }
  };
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (局.盤面[x][y] != 空) continue;
      for (int 元X = 1; 元X <= 盤サイズ; ++元X) {
        for (int 元Y = 1; 元Y <= 盤サイズ; ++元Y) {
          if (調査_駒(側, 局.盤面[元X][元Y]) == 有) 試す(元X, 元Y, 局.盤面[元X][元Y], x, y);
        }
      }
      for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
        const int 段 = 持駒の段(側, 種類);
        if (局.取得_持駒数(側, 段) > 0) 試す(持駒列の(側), 段, 種類の駒(側, 種類), x, y);
      }
    }
  }
  return 手;
}

}  // namespace brenvolt::testing
