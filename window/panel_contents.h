// What the panel beside the board shows of the match, free of any toolkit: how the game stands
// (whose turn, or how it ended) and every move of the record as the status slots write it, with
// the record's cursor. The window's toolkit side only shows this and reports which row the
// player picked.
#pragma once

#include <vector>

#include "game/match.h"
#include "text/translatable_text.h"

namespace brenvolt {

// One row of the move list.
struct 棋譜欄の行 {
  TranslatableText 表記;  // the move number, the mover's mark and the move
  bool 戻した = false;    // taken back: replay or a click brings it again
  bool operator==(const 棋譜欄の行&) const = default;
};

struct 棋譜欄の内容 {
  TranslatableText 状況;       // whose turn it is, or how the game ended
  std::vector<棋譜欄の行> 行;  // row 0 the position the record starts from, row i move i
  int 現在 = 0;                // the row of the position on the board: the moves applied
  bool operator==(const 棋譜欄の内容&) const = default;
};

// The contents for `試合` as it stands.
棋譜欄の内容 棋譜欄を作る(const 対局& 試合);

// The notation of one recorded move: the destination's column and row and the piece as it
// stands there, as the status slot of its side writes it, after the move number `手数` and
// the mark of the side that made it.
TranslatableText 棋譜欄の手の表記(const 手順& 手, int 手数);

}  // namespace brenvolt
