#include "game/invariants.h"

#include "game/piece_table.h"

namespace brenvolt {

namespace {

int 初期の持駒数(int kind) {
  return 種類の表[kind].初期数;
}

std::string 位置(int x, int y) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

std::string 盤の不整合(const 盤& 盤面) {
  for (int x = 0; x <= 盤サイズ; ++x) {
    for (int y = 0; y <= 盤サイズ; ++y) {
      const int 駒 = 盤面[x][y];
      if (駒 == 空) continue;
      if (x == 0 || y == 0) return "something stands off the board at " + 位置(x, y);
      if (持駒種類(駒) == 0) return "code " + std::to_string(駒) + " at " + 位置(x, y);
    }
  }
  return {};
}

std::string 持駒の不整合(const char* 側, const 持駒& 数, int 合計) {
  if (数[0] != 0) return std::string(側) + " hand slot 0 holds " + std::to_string(数[0]);
  int 和 = 0;
  for (int kind = 1; kind <= 持駒種類数; ++kind) {
    if (数[kind] < 0 || 数[kind] > 初期の持駒数(kind)) {
      return std::string(側) + " holds " + std::to_string(数[kind]) + " of kind " +
             std::to_string(kind);
    }
    和 += 数[kind];
  }
  if (和 != 合計) {
    return std::string(側) + " hand total " + std::to_string(合計) + " but counts sum to " +
           std::to_string(和);
  }
  return {};
}

// Pieces of each kind on the board and in hand together equal the kind's starting count.
std::string 駒数の不整合(const 対局状態& 局, int 手番, const char* 側) {
  const 持駒& 数 = 手番 == 手番_先手 ? 局.先手持駒数 : 局.後手持駒数;
  std::array<int, 持駒種類数 + 1> 盤上{};
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (取得_手番(局.盤面[x][y]) == 手番) ++盤上[持駒種類(局.盤面[x][y])];
    }
  }
  for (int kind = 1; kind <= 持駒種類数; ++kind) {
    if (盤上[kind] + 数[kind] != 初期の持駒数(kind)) {
      return std::string(側) + " has " + std::to_string(盤上[kind]) + " on the board and " +
             std::to_string(数[kind]) + " in hand of kind " + std::to_string(kind);
    }
  }
  return {};
}

bool 何もない(const 対局状態& 局) {
  for (const auto& 列 : 局.盤面) {
    for (const int 駒 : 列) {
      if (駒 != 空) return false;
    }
  }
  return 局.先手持駒合計 == 0 && 局.後手持駒合計 == 0;
}

}  // namespace

std::string 状態の不整合(const 対局状態& 局) {
  for (const std::string& 不整合 :
       {盤の不整合(局.盤面), 持駒の不整合("sente", 局.先手持駒数, 局.先手持駒合計),
        持駒の不整合("gote", 局.後手持駒数, 局.後手持駒合計)}) {
    if (!不整合.empty()) return 不整合;
  }
  if (局.手数 < 0) return "move count " + std::to_string(局.手数);
  if (何もない(局)) return {};
  for (const std::string& 不整合 :
       {駒数の不整合(局, 手番_先手, "sente"), 駒数の不整合(局, 手番_後手, "gote")}) {
    if (!不整合.empty()) return 不整合;
  }
  return {};
}

}  // namespace brenvolt
