#include "window/notation.h"

#include <array>
#include <cstdlib>

#include "game/constants.h"

namespace brenvolt {

namespace {

constexpr std::array<std::string_view, 10> 漢数字 = {"",   "一", "二", "三", "四",
                                                     "五", "六", "七", "八", "九"};
constexpr std::array<std::string_view, 10> 全角数字 = {"",   "１", "２", "３", "４",
                                                       "５", "６", "７", "８", "９"};
constexpr int 段の基数 = 1000;

std::string_view 駒の名前(int 駒種類) {
  // Widened first: the most negative int has no positive counterpart.
  const long long 値 = 駒種類;
  switch (値 < 0 ? -値 : 値) {
    case 後手_歩:
      return "歩";
    case 後手_と:
      return "と";
    case 後手_香:
      return "香";
    case 後手_香成:
      return "香成";
    case 後手_桂:
      return "桂";
    case 後手_桂成:
      return "桂成";
    case 後手_銀:
      return "銀";
    case 後手_銀成:
      return "銀成";
    case 後手_金:
      return "金";
    case 後手_角:
      return "角";
    case 後手_角成:
      return "角成";
    case 後手_飛:
      return "飛";
    case 後手_飛成:
      return "飛成";
    case 後手_王:
      return "王";
    default:
      return {};
  }
}

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
  if (駒種類 > 段の基数 && 駒種類 <= 段の基数 + 9) return 漢数字[駒種類 - 段の基数];
  return 駒の名前(駒種類);
}

}  // namespace brenvolt
