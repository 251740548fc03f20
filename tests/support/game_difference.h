// The first difference between two games as a record keeps them, in words: what a saved and
// reopened game must give back exactly.
#pragma once

#include <string>

#include "game/match.h"

namespace brenvolt::testing {

inline std::string 対局の違い(const 対局& a, const 対局& b) {
  const auto 違う = [](const char* what, long long x, long long y) {
    return std::string(what) + " " + std::to_string(x) + " / " + std::to_string(y);
  };
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (a.局.盤面[x][y] != b.局.盤面[x][y]) {
        return 違う(("square " + std::to_string(x) + "," + std::to_string(y)).c_str(),
                    a.局.盤面[x][y], b.局.盤面[x][y]);
      }
    }
  }
  for (int k = 1; k <= 持駒種類数; ++k) {
    if (a.局.先手持駒数[k] != b.局.先手持駒数[k]) return 違う("先手 hand", k, a.局.先手持駒数[k]);
    if (a.局.後手持駒数[k] != b.局.後手持駒数[k]) return 違う("後手 hand", k, a.局.後手持駒数[k]);
  }
  const std::pair<const char*, std::pair<int, int>> fields[] = {
      {"先手持駒合計", {a.局.先手持駒合計, b.局.先手持駒合計}},
      {"後手持駒合計", {a.局.後手持駒合計, b.局.後手持駒合計}},
      {"手番", {a.局.手番, b.局.手番}},
      {"対局中", {a.局.対局中, b.局.対局中}},
      {"対局モード", {a.対局モード, b.対局モード}},
      {"人間側", {a.人間側, b.人間側}},
      {"COM側", {a.COM側, b.COM側}},
      // The person's pawn code is read only against the computer.
      {"人間歩",
       {a.対局モード == モード_COM ? a.人間歩 : 0, b.対局モード == モード_COM ? b.人間歩 : 0}},
      {"手数", {a.局.手数, b.局.手数}},
      {"記録数", {a.記録.記録数, b.記録.記録数}},
      {"記録終端", {a.記録.記録終端, b.記録.記録終端}},
      {"記録_開始手数", {a.記録.記録_開始手数, b.記録.記録_開始手数}},
      {"強さ", {a.強さ, b.強さ}},
      {"勝者", {a.勝者, b.勝者}},
  };
  for (const auto& [name, values] : fields) {
    if (values.first != values.second) return 違う(name, values.first, values.second);
  }
  for (int i = 1; i <= a.記録.記録終端; ++i) {
    if (!(a.記録.記録_項目(i) == b.記録.記録_項目(i))) return 違う("record entry", i, i);
  }
  return {};
}

}  // namespace brenvolt::testing
