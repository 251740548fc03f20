#include <gtest/gtest.h>

#include <utility>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::局面;

TEST(走査, 連続数は隣から数え空き桝か相手の駒か盤端で止まる) {
  対局状態 s = 局面({{5, 5}, {6, 5}, {7, 5}, {9, 5}}, {{3, 5}});
  for (int start : {空, 先手_金, 後手_金}) {
    s.盤面[4][5] = start;  // never read
    EXPECT_EQ(s.調査_右(手番_先手, 4, 5), 3);
  }
  EXPECT_EQ(s.調査_右(手番_後手, 4, 5), 0);
  EXPECT_EQ(s.調査_左(手番_先手, 8, 5), 3);
  EXPECT_EQ(s.調査_左(手番_後手, 4, 5), 1);
  EXPECT_EQ(s.調査_右(手番_先手, 9, 5), 0);
  EXPECT_EQ(s.調査_左(手番_後手, 1, 5), 0);
  // Promoted pieces, the king and the never-produced promoted gold all extend a run.
  s.盤面[5][4] = 先手_と;
  s.盤面[5][3] = 先手_王;
  s.盤面[5][2] = 先手_金成;
  EXPECT_EQ(s.調査_上(手番_先手, 5, 6), 4);
  // All eight directions from (4, 6) on a full board reach the edge.
  対局状態 f = 局面({});
  for (auto& column : f.盤面) column.fill(後手_銀);
  const int 期待[8] = {5, 3, 5, 3, 5, 3, 3, 3};
  const int 実際[8] = {f.調査_右(手番_後手, 4, 6),   f.調査_左(手番_後手, 4, 6),
                       f.調査_上(手番_後手, 4, 6),   f.調査_下(手番_後手, 4, 6),
                       f.調査_右上(手番_後手, 4, 6), f.調査_右下(手番_後手, 4, 6),
                       f.調査_左上(手番_後手, 4, 6), f.調査_左下(手番_後手, 4, 6)};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(実際[i], 期待[i]) << i;
}

TEST(走査, 端の走査は開いた端を空で閉じた端を駒で盤端の桝は調べずに返す) {
  対局状態 s = 局面({{3, 1}, {3, 2}, {3, 3}});
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 3), 先手_歩);  // closed by the edge
  s.盤面[3][1] = 空;
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 3), 空);
  s.盤面[3][1] = 後手_金;
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 3), 後手_金);
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 1), 後手_金);  // on the last line: the start itself
  EXPECT_EQ(s.調査_下端(手番_先手, 3, 3), 空);
  EXPECT_EQ(s.調査_右端(手番_先手, 5, 5), 空);       // an empty start is its own end
  EXPECT_EQ(s.調査_右端(手番_後手, 3, 3), 先手_歩);  // so is a start of the other side
  // Every diagonal stops on whichever coordinate reaches its last value first.
  対局状態 f = 局面({});
  for (auto& column : f.盤面) column.fill(先手_歩);
  f.盤面[9][1] = 先手_金;
  f.盤面[7][9] = 先手_角;
  f.盤面[1][3] = 先手_飛;
  f.盤面[1][9] = 先手_王;
  EXPECT_EQ(f.調査_右上端(手番_先手, 4, 6), 先手_金);
  EXPECT_EQ(f.調査_右下端(手番_先手, 4, 6), 先手_角);
  EXPECT_EQ(f.調査_左上端(手番_先手, 4, 6), 先手_飛);
  EXPECT_EQ(f.調査_左下端(手番_先手, 4, 6), 先手_王);
  EXPECT_EQ(f.調査_右下端(手番_先手, 7, 9), 先手_角);
  f.盤面[4][1] = 先手_桂;  // up-right from (2, 3) meets row 1 before column 9
  f.盤面[4][9] = 先手_銀;  // down-left from (6, 7) meets row 9 before column 1
  EXPECT_EQ(f.調査_右上端(手番_先手, 2, 3), 先手_桂);
  EXPECT_EQ(f.調査_左下端(手番_先手, 6, 7), 先手_銀);
}

TEST(走査, どちらの手番でもない値は全てを自分の駒とみなし盤外の起点は何も読まない) {
  対局状態 s = 局面({{3, 5}}, {{6, 5}});
  s.盤面[9][5] = 後手_香;
  for (int side : {手番_なし, 0, 7}) {
    EXPECT_EQ(s.調査_右(side, 5, 5) + s.調査_左(side, 5, 5), 8);
    EXPECT_EQ(s.調査_右上(side, 2, 3), 2);
    EXPECT_EQ(s.調査_右端(side, 5, 5), 後手_香);
    EXPECT_EQ(s.調査_左端(side, 5, 5), 空);
  }
  for (int side : {手番_先手, 手番_後手, 手番_なし}) {
    EXPECT_EQ(s.調査_右(side, 0, 5) + s.調査_下(side, 5, 10) + s.調査_左上(side, 99, -99), 0);
    EXPECT_EQ(s.調査_左端(side, 0, 5), 空);
    EXPECT_EQ(s.調査_右下端(side, 5, -3), 空);
  }
}

TEST(調査_5並び, ちょうど五つだけが勝ちで長連と空き桝は勝ちではない) {
  対局状態 s = 局面({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}});
  for (int x = 1; x <= 5; ++x) EXPECT_EQ(s.終了_判定(手番_先手, x, 5), 有) << x;
  EXPECT_EQ(s.調査_5並び(手番_後手, 3, 5), 無);
  EXPECT_EQ(s.調査_5並び(手番_先手, 6, 5), 無);
  s.盤面[6][5] = 先手_歩;
  for (int x = 1; x <= 6; ++x) EXPECT_EQ(s.調査_5並び(手番_先手, x, 5), 無) << x;
  // Four on each side of an empty square is no five.
  s = 局面({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}});
  EXPECT_EQ(s.調査_5並び(手番_先手, 5, 5), 無);
  // The square itself counts as one whatever stands on it.
  s = 局面({{3, 5}, {4, 5}, {6, 5}, {7, 5}}, {{5, 5}});
  EXPECT_EQ(s.調査_5並び(手番_先手, 5, 5), 有);
  // Diagonals, and lines of mixed kinds.
  s = 局面({});
  for (int i : {2, 3, 4, 5, 6}) s.盤面[i][10 - i] = (i % 2) ? 後手_王 : 後手_飛成;
  EXPECT_EQ(s.調査_5並び(手番_後手, 4, 6), 有);
  for (int i : {3, 4, 5, 6, 7}) s.盤面[i][i] = 先手_角成;
  EXPECT_EQ(s.調査_5並び(手番_先手, 7, 7), 有);
  EXPECT_EQ(s.調査_5並び(手番_先手, 0, 5) + s.調査_5並び(手番_後手, 5, -7), 無);
}

TEST(終了_判定周囲, 長連から抜けた桝の隣に残った自分の五を左の列から上から順に探す) {
  対局状態 s = 局面({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}});
  s.駒移動(6, 5, 6, 4, 先手_歩);
  int ox = -1, oy = -1;
  EXPECT_EQ(s.終了_判定(手番_先手, 6, 4), 無);
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 6, 5, ox, oy), 有);
  EXPECT_EQ(std::pair(ox, oy), std::pair(5, 5));
  // Corner (1, 1): (1, 2) is visited before (2, 1).
  s = 局面({{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}});
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 1, 1, ox, oy), 有);
  EXPECT_EQ(std::pair(ox, oy), std::pair(1, 2));
  s.盤面[1][6] = 空;
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 1, 1, ox, oy), 有);
  EXPECT_EQ(std::pair(ox, oy), std::pair(2, 1));
  // A five through a square of the other side is not the mover's; outputs stay untouched.
  s = 局面({{6, 4}, {6, 3}, {6, 2}, {6, 1}}, {{6, 5}});
  ox = oy = -7;
  EXPECT_EQ(s.調査_5並び(手番_先手, 6, 5), 有);
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 5, 5, ox, oy), 無);
  EXPECT_EQ(s.終了_判定周囲(手番_なし, 7, 3, ox, oy), 無);
  EXPECT_EQ(std::pair(ox, oy), std::pair(-7, -7));
  // A drop's hand column has no neighbour on the board.
  s = 局面({{9, 1}, {9, 2}, {9, 3}, {9, 4}, {9, 5}}, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}});
  for (int row = 1; row <= 9; ++row) {
    EXPECT_EQ(s.終了_判定周囲(手番_先手, 先手持駒列, row, ox, oy), 無);
    EXPECT_EQ(s.終了_判定周囲(手番_後手, 後手持駒列, row, ox, oy), 無);
  }
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 10, 3, ox, oy), 有);
  EXPECT_EQ(s.終了_判定周囲(手番_後手, 0x7fffffff, 3, ox, oy), 無);
}

}  // namespace
}  // namespace brenvolt
