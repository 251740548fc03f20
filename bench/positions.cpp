#include "bench/positions.h"

#include <random>

#include "computer/classic/computer.h"
#include "game/piece_table.h"

namespace brenvolt::bench {
namespace {

constexpr int 各種数 = 8;

int 相手(int 側) {
  return 側 == 手番_先手 ? 手番_後手 : 手番_先手;
}

void 手番にする(対局状態& 局, int 側) {
  局.手番 = 側;
  局.対局中 = 有;
}

// A random drop next to a piece, which the rules accept, for the side to move.
bool 乱数打ち(対局状態& 局, int 側, std::mt19937& rng) {
  const int 列 = 側 == 手番_先手 ? 先手持駒列 : 後手持駒列;
  局.調査_2歩フラグ設定();
  for (int 試行 = 0; 試行 < 200; ++試行) {
    const int 段 = std::uniform_int_distribution<int>(1, 9)(rng);
    const int x = std::uniform_int_distribution<int>(3, 7)(rng);
    const int y = std::uniform_int_distribution<int>(3, 7)(rng);
    if (局.取得_持駒数(側, 段) <= 0) continue;
    const int 駒 = 局.取得_持駒(側, 段);
    if (局.移動チェック(列, 段, x, y, 駒) != 有) continue;
    if (局.調査_三三(列, 段, x, y, 側, 駒) == 有 || 局.調査_四四(列, 段, x, y, 側, 駒) == 有)
      continue;
    局.駒移動(列, 段, x, y, 駒);
    ++局.手数;
    return true;
  }
  return false;
}

// Plays one game of the computer against itself after a few random drops, and keeps the
// position before each of its moves.
std::vector<対局状態> 自己対局(std::mt19937& rng) {
  std::vector<対局状態> 経過;
  対局状態 局;
  局.初期設定();
  int 側 = 手番_先手;
  const int 乱数手 = std::uniform_int_distribution<int>(2, 5)(rng);
  for (int i = 0; i < 乱数手; ++i, 側 = 相手(側)) {
    手番にする(局, 側);
    if (局.手数 == 0) {
      局.駒移動(先手持駒列, 2, 5, 5, 先手_歩);
      ++局.手数;
    } else if (!乱数打ち(局, 側, rng)) {
      break;
    }
  }
  int 続けて指さず = 0;
  for (int 手 = 0; 手 < 120 && 続けて指さず < 2; ++手, 側 = 相手(側)) {
    手番にする(局, 側);
    経過.push_back(局);
    const auto 選択 = com_ban_探索(局, 側);
    if (!選択) {
      ++続けて指さず;
      continue;
    }
    続けて指さず = 0;
    局.駒移動(選択->元X, 選択->元Y, 選択->先X, 選択->先Y, 選択->置駒);
    ++局.手数;
    if (局.調査_5並び(側, 選択->先X, 選択->先Y) == 有) break;
  }
  return 経過;
}

// Pieces crowded onto the two outer rings of the board, in runs along the edges.
対局状態 縁の局面(std::mt19937& rng) {
  対局状態 局;
  局.初期設定();
  手番にする(局, std::uniform_int_distribution<int>(0, 1)(rng) != 0 ? 手番_先手 : 手番_後手);
  局.手数 = 30;
  for (int 側 : {手番_先手, 手番_後手}) {
    持駒& 数 = 側 == 手番_先手 ? 局.先手持駒数 : 局.後手持駒数;
    int& 合計 = 側 == 手番_先手 ? 局.先手持駒合計 : 局.後手持駒合計;
    const int 置く数 = std::uniform_int_distribution<int>(7, 11)(rng);
    for (int n = 0, 種類 = 1; n < 置く数; ++n) {
      while (数[種類] == 0) ++種類;
      int x = 0;
      int y = 0;
      do {
        const int 縁 = std::uniform_int_distribution<int>(0, 3)(rng);
        const int 沿 = std::uniform_int_distribution<int>(1, 9)(rng);
        const int 深 = std::uniform_int_distribution<int>(1, 2)(rng);
        x = 縁 == 0 ? 深 : 縁 == 1 ? 10 - 深 : 沿;
        y = 縁 == 2 ? 深 : 縁 == 3 ? 10 - 深 : 沿;
      } while (局.盤面[x][y] != 空);
      const int 駒 = 種類の表[種類].先手の駒;
      局.盤面[x][y] = 側 == 手番_先手 ? 駒 : -駒;
      --数[種類];
      --合計;
    }
  }
  return 局;
}

std::vector<局面> 作る() {
  std::mt19937 rng(31);
  std::vector<局面> 序盤;
  std::vector<局面> 中盤;
  std::vector<局面> 終盤;
  for (int 局数 = 0; 局数 < 200; ++局数) {
    // At most two positions of a kind from one game, so that the suite spans several games.
    int 序盤数 = 0;
    int 中盤数 = 0;
    int 終盤数 = 0;
    for (const 対局状態& 局 : 自己対局(rng)) {
      const int 手持 = 局.取得_全持駒数(局.手番);
      auto 加える = [&](std::vector<局面>& 先, int& この対局で, const char* 種) {
        if (static_cast<int>(先.size()) < 各種数 && この対局で < 2) {
          先.push_back({std::string(種) + "/" + std::to_string(先.size()), 局});
          ++この対局で;
        }
      };
      if (手持 >= 8) {
        加える(序盤, 序盤数, "opening");
      } else if (手持 >= 4) {
        加える(中盤, 中盤数, "middle");
      } else if (手持 == 0 && 局.手数 % 5 == 0) {
        加える(終盤, 終盤数, "late");
      }
    }
    if (序盤.size() + 中盤.size() + 終盤.size() == 3 * 各種数) break;
  }
  std::vector<局面> 全部;
  for (auto* 種 : {&序盤, &中盤, &終盤}) 全部.insert(全部.end(), 種->begin(), 種->end());
  for (int i = 0; i < 各種数; ++i) 全部.push_back({"edges/" + std::to_string(i), 縁の局面(rng)});
  return 全部;
}

}  // namespace

const std::vector<局面>& 局面集() {
  static const std::vector<局面> 集 = 作る();
  return 集;
}

}  // namespace brenvolt::bench
