#include "computer/classic/opening.h"

namespace brenvolt {
namespace {

constexpr int 中央 = 5;
constexpr int 先手歩段 = 2;
constexpr int 後手歩段 = 8;

}  // namespace

std::optional<着手> 初手(対局状態& 局, int COM側) {
  if (局.手数 != 0) return std::nullopt;
  int 列 = 0;
  int 段 = 0;
  if (COM側 == 手番_先手) {
    列 = 先手持駒列;
    段 = 先手歩段;
  } else if (COM側 == 手番_後手) {
    列 = 後手持駒列;
    段 = 後手歩段;
  } else {
    return std::nullopt;
  }
  if (局.取得_持駒数(COM側, 段) <= 0) return std::nullopt;
  const int 歩 = COM側;  // a side value is that side's pawn code
  局.調査_2歩フラグ設定();
  if (局.移動チェック(列, 段, 中央, 中央, 歩) != 有 ||
      局.調査_三三(列, 段, 中央, 中央, COM側, 歩) != 無 ||
      局.調査_四四(列, 段, 中央, 中央, COM側, 歩) != 無) {
    return std::nullopt;
  }
  return 着手{列, 段, 中央, 中央, 歩, 歩};
}

}  // namespace brenvolt
