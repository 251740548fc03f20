#include "fuzz/query_check.h"

#include <utility>
#include <vector>

namespace brenvolt::fuzz {

namespace {

struct 元 {
  int x;
  int y;
  int 駒;
};

std::vector<元> 動かせる駒(const 対局状態& 局, int 側) {
  std::vector<元> out;
  for (int x = 1; x <= 盤サイズ; ++x)
    for (int y = 1; y <= 盤サイズ; ++y)
      if (調査_駒(側, 局.盤面[x][y]) == 有) out.push_back({x, y, 局.盤面[x][y]});
  const int 列 = 側 == 手番_先手 ? 先手持駒列 : 後手持駒列;
  for (int y = 1; y <= 盤サイズ; ++y)
    if (局.取得_持駒数(側, y) > 0) out.push_back({列, y, 局.取得_持駒(側, y)});
  return out;
}

std::string 名前(const 元& m) {
  return "a query for the piece at (" + std::to_string(m.x) + "," + std::to_string(m.y) +
         ") changed the game";
}

}  // namespace

std::string 照会後の変化(対局状態& 局, unsigned pick) {
  const int 側 = 局.手番;
  if (側 != 手番_先手 && 側 != 手番_後手) return {};
  const auto 候補 = 動かせる駒(局, 側);
  if (候補.empty()) return {};
  const 元 m = 候補[pick % 候補.size()];
  const 対局状態 前 = 局;
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      // A third of the squares, a different third each time, keeps long event streams fast.
      if (局.盤面[x][y] != 空 || (x + y + pick) % 3 != 0) continue;
      局.移動チェック(m.x, m.y, x, y, m.駒);
      局.調査_5並び(側, x, y);
      局.終了_判定(側, x, y);
      局.調査_三三(m.x, m.y, x, y, 側, m.駒);
      局.調査_四四(m.x, m.y, x, y, 側, m.駒);
    }
  }
  return 局 == 前 ? std::string() : 名前(m);
}

}  // namespace brenvolt::fuzz
