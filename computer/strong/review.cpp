#include "computer/strong/review.h"

#include <cstdlib>

#include "game/piece_table.h"

namespace brenvolt {

namespace {

// One position searched: its best move and the last report, from the side to move's view.
struct 局面の解析 {
  std::optional<着手> 最善手;
  探索情報 情報;
};

// From one side's view: it forces a five, the other side does, or neither.
bool 勝ち(const 探索情報& 情報) {
  return 情報.mate && 情報.score > 0;
}
bool 負け(const 探索情報& 情報) {
  return 情報.mate && 情報.score < 0;
}

// The same evaluation from the other side's view.
探索情報 裏返し(探索情報 情報) {
  情報.score = -情報.score;
  return 情報;
}

局面の解析 解析する(Searcher& searcher, const 対局状態& 局, const 探索制限& budget,
                    const std::atomic<bool>& cancel) {
  局面の解析 解析;
  searcher.clear();
  解析.最善手 = searcher.think(局, 局.手番, budget, cancel,
                               [&解析](const 探索情報& 情報) { 解析.情報 = 情報; });
  return 解析;
}

// before: the best play before the move; after: the position after it, both from the mover's
// view. made_five: the move itself made five.
講評の印 印を付ける(const 探索情報& before, const 探索情報& after, bool made_five) {
  const bool after_win = made_five || 勝ち(after);
  if (勝ち(before) && !after_win) return 講評の印::悪手;
  if (負け(before)) return 講評の印::なし;
  if (負け(after)) return 講評の印::悪手;
  if (勝ち(before) || after_win) return 講評の印::なし;
  return before.score - after.score > kDubiousDrop ? 講評の印::疑問手 : 講評の印::なし;
}

着手 指し手の(const 手順& m) {
  return {m.元X, m.元Y, m.先X, m.先Y, m.元駒, m.先駒};
}

}  // namespace

講評の評価 先手から(const 探索情報& 情報, int side) {
  const int sign = side == 手番_先手 ? 1 : -1;
  if (!情報.mate) return {講評の評価::種類::点数, sign * 情報.score};
  const int moves = (std::abs(情報.score) + 1) / 2;
  return {講評の評価::種類::詰み, sign * (情報.score > 0 ? moves : -moves)};
}

std::string 評価の文字(const 講評の評価& 評価) {
  switch (評価.種) {
    case 講評の評価::種類::点数:
      return "cp " + std::to_string(評価.値);
    case 講評の評価::種類::詰み:
      return "mate " + std::to_string(評価.値);
    case 講評の評価::種類::五:
      return 評価.値 == 手番_先手 ? "mate 0" : "mate -0";
  }
  return {};
}

std::string 印の文字(講評の印 印) {
  switch (印) {
    case 講評の印::なし:
      return "";
    case 講評の印::疑問手:
      return "?";
    case 講評の印::悪手:
      return "??";
  }
  return {};
}

std::vector<手の講評> 棋譜を講評する(const 対局& game, const 探索制限& budget,
                                     const std::function<void(int done, int total)>& progress,
                                     const std::atomic<bool>& cancel) {
  対局 replay = game;
  replay.手目へ(replay.記録.記録終端);
  const bool decided = replay.勝負あり();
  replay.手目へ(0);
  const int moves = replay.記録.記録終端;
  const int total = decided ? moves : moves + 1;
  Searcher searcher;
  // Position k is the one before move k + 1; the last is searched only when no five ended
  // the game.
  std::vector<局面の解析> 解析;
  std::vector<手順> 手;
  for (int k = 0; k < total && !cancel; ++k) {
    if (k < moves) {
      手.push_back(replay.記録.記録_項目(k + 1));
      // A side with no move passed: the record's next move names who is to move.
      replay.局.手番 = 取得_手番(手.back().元駒);
    }
    解析.push_back(解析する(searcher, replay.局, budget, cancel));
    if (progress) progress(k + 1, total);
    if (k < moves) replay.進める();
  }

  if (cancel) return {};
  std::vector<手の講評> review;
  for (int k = 0; k < moves; ++k) {
    const int mover = 取得_手番(手[k].元駒);
    const bool made_five = decided && k + 1 == moves;
    const 探索情報 after = made_five ? 探索情報{} : 裏返し(解析[k + 1].情報);
    手の講評 item;
    item.手目 = k + 1;
    item.指し手 = 指し手の(手[k]);
    item.指した後 = made_five ? 講評の評価{講評の評価::種類::五, mover} : 先手から(after, mover);
    item.最善手 = 解析[k].最善手;
    item.最善の評価 = 先手から(解析[k].情報, mover);
    if (item.最善手 != item.指し手) item.印 = 印を付ける(解析[k].情報, after, made_five);
    review.push_back(item);
  }
  return review;
}

}  // namespace brenvolt
