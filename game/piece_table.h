// The piece table: everything the game knows about a piece code, written once. Every other
// folder reads a piece's side, kind, promoted and unpromoted form, hand row, starting count,
// protocol letter and on-screen names from here.
#pragma once

#include <string_view>

#include "game/constants.h"

namespace brenvolt {

// One piece that can stand on the board, in 後手's (positive) form; 先手's code is the negation.
// The rows run in the order of one side's pictures.
struct 駒の形 {
  int 駒;                 // 後手's code
  int 種類;               // the hand kind 1..8 it counts as, promoted or not
  bool 成り;              // a promoted form
  int 成った駒;           // 後手's promoted code, or 空 when the piece cannot promote
  std::string_view 表記;  // its name in the text of a move: 歩 と 香成 …
  std::string_view 駒面;  // the characters on its picture: 歩兵 と 香車 …
};

inline constexpr 駒の形 駒の表[] = {
    {後手_歩, 1, false, 後手_と, "歩", "歩兵"},   {後手_と, 1, true, 空, "と", "と"},
    {後手_香, 2, false, 後手_香成, "香", "香車"}, {後手_香成, 2, true, 空, "香成", "香車"},
    {後手_桂, 3, false, 後手_桂成, "桂", "桂馬"}, {後手_桂成, 3, true, 空, "桂成", "桂馬"},
    {後手_銀, 4, false, 後手_銀成, "銀", "銀將"}, {後手_銀成, 4, true, 空, "銀成", "銀將"},
    {後手_金, 5, false, 空, "金", "金將"},        {後手_角, 6, false, 後手_角成, "角", "角行"},
    {後手_角成, 6, true, 空, "角成", "角行"},     {後手_飛, 7, false, 後手_飛成, "飛", "飛車"},
    {後手_飛成, 7, true, 空, "飛成", "飛車"},     {後手_王, 8, false, 空, "王", "王將"},
};
inline constexpr int 駒の形の数 = static_cast<int>(sizeof 駒の表 / sizeof 駒の表[0]);

// One hand kind 1..8 (歩 香 桂 銀 金 角 飛 王); row 0 is no kind.
struct 持駒の形 {
  int 先手の駒;        // 先手's code of the kind; 後手's is its negation
  int 初期数;          // how many each side has, all in hand at the start
  char 文字;           // the protocol letter, upper case
  int 行き所のない段;  // the far rows an unpromoted piece of the kind can never move from
};

inline constexpr 持駒の形 種類の表[持駒種類数 + 1] = {
    {空, 0, '?', 0},      {先手_歩, 2, 'P', 1}, {先手_香, 2, 'L', 1},
    {先手_桂, 2, 'N', 2}, {先手_銀, 1, 'S', 0}, {先手_金, 1, 'G', 0},
    {先手_角, 1, 'B', 0}, {先手_飛, 1, 'R', 0}, {先手_王, 1, 'K', 0},
};

// The row of 駒の表 of a code of either side, or nothing for 空 and anything that is not a piece
// that can stand on the board (the gold "promotion" ±111 included).
const 駒の形* 駒の形を引く(int 駒);

// The hand kind 1..8 of a piece code of either side (promoted codes give their base kind), or
// 0 for a code that no hand can hold.
int 持駒種類(int 駒);
// Is this a promoted code of either side?
bool 成り駒か(int 駒);
// The promoted code of a piece of either side, or 空 when it cannot promote.
int 成り先の駒(int 駒);
// The code of hand kind 1..8 for a side (手番_先手 or 手番_後手).
int 種類の駒(int 手番, int 種類);

// Hand rows: 先手's stand lists kinds 1..8 downwards from row 2, 後手's upwards from row 8, so
// the two stands are point-symmetric.
int 持駒の段(int 手番, int 種類);
// The top row of a side's stand: the eight rows from it down hold the eight kinds.
int 持駒台の最初の段(int 手番);
// The hand slot a row of a side's stand addresses: the kind 1..8, 0 for the unused slot (row 1
// of 先手's, row 9 of 後手's), or -1 for a row off the stand or a value that is no side.
int 段の持駒スロット(int 手番, int 段);

// The hand kind 1..8 of an upper-case protocol letter P L N S G B R K, else 0.
int 文字の持駒種類(char 文字);

// Could an unpromoted piece of this code stand on row y and still move? False for 歩 and 香 on
// their side's last row and 桂 on its last two; true for every other code.
bool 行き所がある(int 駒, int y);

}  // namespace brenvolt
