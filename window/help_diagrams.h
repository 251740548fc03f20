// The small boards of the How to play window: each is a literal position in the engine's
// notation, the part of the board it shows, and the squares it marks. The marks are the
// rules' own answers (the turn's verdict, the five test, the line scans), worked out when the
// list is first read, so a board can never teach what the game does not do.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"

namespace brenvolt {

// What a marked square tells.
enum class 図の印 {
  選んだ駒,      // the piece whose moves are shown
  行ける,        // the piece may go there
  成れる,        // the piece may go there promoted or not
  成るしかない,  // the piece may go there only promoted
  打てない,      // the piece in hand may not be dropped there
  禁手,          // a drop there is refused as a double three or a double four
  五,            // an exact five stands there, or a drop there makes one
  長連,          // a drop there makes six or more in a line, which does not win
};

struct 印の桝 {
  int x;
  int y;
  図の印 印;
  bool operator==(const 印の桝&) const = default;
};

// The squares a board shows: columns 左..右 and rows 上..下, in board coordinates.
struct 盤の範囲 {
  int 左;
  int 上;
  int 右;
  int 下;
  bool 含む(int x, int y) const { return x >= 左 && x <= 右 && y >= 上 && y <= 下; }
};

struct 説明図 {
  std::string 名前;  // how the help documents name it: <img src="board:NAME">
  対局状態 局;
  盤の範囲 範囲;
  std::vector<印の桝> 印;
};

// Every board of the help, in the order the documents show them.
const std::vector<説明図>& 説明図の一覧();

// The board named so, or nothing.
const 説明図* 説明図を引く(const std::string& 名前);

}  // namespace brenvolt
