#include "window/move_display_text.h"

#include <array>
#include <cstdlib>

#include "game/piece_table.h"

namespace brenvolt {

namespace {

constexpr std::array<std::string_view, 10> 漢数字 = {"",   "一", "二", "三", "四",
                                                     "五", "六", "七", "八", "九"};
constexpr std::array<std::string_view, 10> 全角数字 = {"",   "１", "２", "３", "４",
                                                       "５", "６", "７", "８", "９"};

}  // namespace

std::string 数値の表記(int 数値) {
  // Widened first: the magnitude of the most negative int does not fit in an int.
  const long long 値 = 数値;
  return (値 < 0 ? "-" : " ") + std::to_string(std::llabs(値)) + " ";
}

std::string_view 漢数字の表記(int 数値) {
  if (数値 < 1 || 数値 > 9) return {};
  return 漢数字[数値];
}

std::string_view 移動駒種類の表記(int 駒種類) {
  if (駒種類 >= 1 && 駒種類 <= 9) return 全角数字[駒種類];
  if (駒種類 > 段の表記基数 && 駒種類 <= 段の表記基数 + 9) return 漢数字[駒種類 - 段の表記基数];
  const 駒の形* 形 = 駒の形を引く(駒種類);
  return 形 == nullptr ? std::string_view() : 形->表記;
}

}  // namespace brenvolt
