#include "app/review_output.h"

#include "notation/game_move.h"

namespace brenvolt {

std::string 講評の行(const 手の講評& 講評) {
  std::string line = std::to_string(講評.手目) + " " + notation::format_move(講評.指し手) +
                     " eval " + 評価の文字(講評.指した後) + " best " +
                     (講評.最善手 ? notation::format_move(*講評.最善手) : "-");
  const std::string mark = 印の文字(講評.印);
  return mark.empty() ? line : line + " " + mark;
}

探索制限 講評の予算(std::optional<std::uint64_t> nodes) {
  if (nodes) return {0, *nodes, 0};
  return {0, 0, 0.3};
}

void 講評を書く(const 対局& game, const 探索制限& budget, std::ostream& out) {
  const std::atomic<bool> never{false};
  for (const 手の講評& 講評 : 棋譜を講評する(game, budget, {}, never)) {
    out << 講評の行(講評) << '\n';
  }
}

}  // namespace brenvolt
