#include "game/record_invariants.h"

#include "game/board_square.h"

namespace brenvolt {

std::string 記録の不整合(const 手順記録& 記録, const 対局状態& 局) {
  if (記録.記録数 < 0 || 記録.記録数 > 記録.記録終端 || 記録.記録終端 > 記録上限) {
    return "record count " + std::to_string(記録.記録数) + " of " + std::to_string(記録.記録終端);
  }
  if (記録.記録_開始手数 < 0 ||
      static_cast<long long>(記録.記録_開始手数) + 記録.記録数 != 局.手数) {
    return "record count " + std::to_string(記録.記録数) + " from " +
           std::to_string(記録.記録_開始手数) + " but move count " + std::to_string(局.手数);
  }
  for (int i = 1; i <= 記録.記録終端; ++i) {
    const 手順 項目 = 記録.記録_項目(i);
    if (!記録可能な元(項目.元X, 項目.元Y) || !盤上の桝(項目.先X, 項目.先Y) ||
        取得_手番(項目.元駒) == 空) {
      return "record entry " + std::to_string(i) + " cannot be played";
    }
  }
  return {};
}

}  // namespace brenvolt
