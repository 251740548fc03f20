// The review of a game: every position of its record analysed one after the other at a fixed
// budget, and a mark on each move that threw away a win or allowed a forced five. The command
// line's --review prints it; the window's review calls the same function, so the same budget
// gives the same marks. Plain C++, no Qt; it runs on the caller's thread.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "computer/strong/searcher.h"
#include "game/match.h"
#include "game/move.h"

namespace brenvolt {

// An evaluation from 先手's view.
struct 講評の評価 {
  enum class 種類 {
    点数,  // 値: the search's score, positive when 先手 stands better
    詰み,  // 値: the moves of its own a side needs to make five; > 0 for 先手, < 0 for 後手
    五,    // the move made five: 値 is the side that made it (手番_先手 or 手番_後手)
  };
  種類 種 = 種類::点数;
  int 値 = 0;
  bool operator==(const 講評の評価&) const = default;
};

// A search's evaluation, made from `side`'s view, turned to 先手's. A five in p plies takes
// ceil(|p| / 2) moves of the side that makes it.
講評の評価 先手から(const 探索情報& 情報, int side);

// "cp N" or "mate N"; the move that made five shows "mate 0" for 先手 and "mate -0" for 後手.
std::string 評価の文字(const 講評の評価& 評価);

// The marks, from the mover's view, comparing the evaluation of the best move in the position
// before the move with the evaluation after the move played:
//   悪手 "??": the mover could force a five and no longer can (a five missed), or the mover was
//              not lost and now the other side forces a five (a five allowed);
//   疑問手 "?": otherwise, neither side forcing a five before or after, the score fell by more
//              than kDubiousDrop.
// The best move itself, and every move of a side already lost by force, is never marked.
enum class 講評の印 { なし, 疑問手, 悪手 };
inline constexpr int kDubiousDrop = 300;

// "", "?" or "??".
std::string 印の文字(講評の印 印);

struct 手の講評 {
  int 手目 = 0;  // 1 for the record's first move
  着手 指し手;
  講評の評価 指した後;         // the position after the move
  std::optional<着手> 最善手;  // in the position before the move
  講評の評価 最善の評価;       // the position before the move, best play
  講評の印 印 = 講評の印::なし;
  bool operator==(const 手の講評&) const = default;
};

// Reviews every move of game's record, from the record's start to its end, whatever the cursor.
// Each position is searched within budget with a fresh table, so a node budget gives the same
// review on every machine. progress(k, n) is called after each of the n positions searched.
// When cancel becomes true the review ends soon after and returns nothing.
std::vector<手の講評> 棋譜を講評する(const 対局& game, const 探索制限& budget,
                                     const std::function<void(int done, int total)>& progress,
                                     const std::atomic<bool>& cancel);

}  // namespace brenvolt
