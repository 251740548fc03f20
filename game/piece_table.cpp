#include "game/piece_table.h"

namespace brenvolt {

const 駒の形* 駒の形を引く(int 駒) {
  // Widened first: the most negative int has no positive counterpart.
  const long long 値 = 駒;
  const long long 大きさ = 値 < 0 ? -値 : 値;
  for (const 駒の形& 形 : 駒の表) {
    if (形.駒 == 大きさ) return &形;
  }
  return nullptr;
}

int 持駒種類(int 駒) {
  const 駒の形* 形 = 駒の形を引く(駒);
  return 形 == nullptr ? 0 : 形->種類;
}

bool 成り駒か(int 駒) {
  const 駒の形* 形 = 駒の形を引く(駒);
  return 形 != nullptr && 形->成り;
}

int 成り先の駒(int 駒) {
  const 駒の形* 形 = 駒の形を引く(駒);
  if (形 == nullptr) return 空;
  return 駒 < 0 ? -形->成った駒 : 形->成った駒;
}

int 種類の駒(int 手番, int 種類) {
  if (種類 < 1 || 種類 > 持駒種類数) return 空;
  const int 先手の駒 = 種類の表[種類].先手の駒;
  if (手番 == 手番_先手) return 先手の駒;
  if (手番 == 手番_後手) return -先手の駒;
  return 空;
}

int 持駒の段(int 手番, int 種類) {
  return 手番 == 手番_先手 ? 種類 + 1 : 盤サイズ - 種類;
}

int 持駒台の最初の段(int 手番) {
  return 手番 == 手番_先手 ? 持駒の段(手番, 1) : 持駒の段(手番, 持駒種類数);
}

int 段の持駒スロット(int 手番, int 段) {
  if (段 < 1 || 段 > 盤サイズ) return -1;
  if (手番 == 手番_先手) return 段 - 1;
  if (手番 == 手番_後手) return 盤サイズ - 段;
  return -1;
}

int 文字の持駒種類(char 文字) {
  for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
    if (種類の表[種類].文字 == 文字) return 種類;
  }
  return 0;
}

bool 行き所がある(int 駒, int y) {
  if (y < 1 || y > 盤サイズ || 成り駒か(駒)) return true;
  const int 種類 = 持駒種類(駒);
  if (種類 == 0) return true;
  const int 段数 = 種類の表[種類].行き所のない段;
  if (駒 < 0) return y > 段数;
  return y <= 盤サイズ - 段数;
}

}  // namespace brenvolt
