#include <gtest/gtest.h>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::空の局面;
using testing::置く;

TEST(走査, 連続数は隣から数え始め起点は読まない) {
  対局状態 s = 空の局面();
  置く(s, 先手_銀, {{5, 5}, {6, 5}, {7, 5}});
  for (int start : {空, 先手_金, 後手_金}) {
    s.盤面[4][5] = start;
    EXPECT_EQ(s.調査_右(手番_先手, 4, 5), 3) << start;
  }
  EXPECT_EQ(s.調査_右(手番_後手, 4, 5), 0);
  EXPECT_EQ(s.調査_左(手番_先手, 8, 5), 3);
  EXPECT_EQ(s.調査_左(手番_先手, 7, 5), 2);
}

TEST(走査, 端の列からは盤を読まずに零) {
  対局状態 s = 空の局面();
  for (int y = 1; y <= 9; ++y) {
    置く(s, 先手_歩, {{9, y}, {1, y}});
  }
  for (int y = 1; y <= 9; ++y) {
    EXPECT_EQ(s.調査_右(手番_先手, 9, y), 0);
    EXPECT_EQ(s.調査_左(手番_先手, 1, y), 0);
    EXPECT_EQ(s.調査_右上(手番_先手, 9, y), 0);
    EXPECT_EQ(s.調査_左下(手番_先手, 1, y), 0);
  }
  EXPECT_EQ(s.調査_上(手番_先手, 1, 1), 0);
  EXPECT_EQ(s.調査_下(手番_先手, 9, 9), 0);
  EXPECT_EQ(s.調査_下(手番_先手, 9, 1), 8);
}

TEST(走査, 空き桝でも相手の駒でも止まり成駒と王は続きに数える) {
  対局状態 s = 空の局面();
  置く(s, 後手_と, {{5, 6}});
  置く(s, 後手_王, {{5, 7}});
  置く(s, 後手_飛成, {{5, 8}});
  置く(s, 先手_歩, {{5, 9}});
  置く(s, 後手_金成, {{5, 4}});
  EXPECT_EQ(s.調査_下(手番_後手, 5, 5), 3);
  EXPECT_EQ(s.調査_上(手番_後手, 5, 5), 1);  // (5, 3) empty
  置く(s, 後手_銀, {{4, 4}, {3, 3}});
  置く(s, 先手_銀, {{2, 2}});
  EXPECT_EQ(s.調査_左上(手番_後手, 5, 5), 2);
  EXPECT_EQ(s.調査_左上(手番_先手, 3, 3), 1);
  置く(s, 先手_角成, {{6, 4}, {7, 3}, {8, 2}, {9, 1}});
  EXPECT_EQ(s.調査_右上(手番_先手, 5, 5), 4);
  置く(s, 先手_王, {{4, 6}});
  EXPECT_EQ(s.調査_左下(手番_先手, 5, 5), 1);
  EXPECT_EQ(s.調査_右下(手番_先手, 5, 5), 0);
}

TEST(走査, 端の走査は開いた端と閉じた端と盤端を返す) {
  対局状態 s = 空の局面();
  // A run from (3, 3) up to (3, 1): closed by the edge, and (3, 1) is returned untested.
  置く(s, 先手_金, {{3, 1}, {3, 2}, {3, 3}});
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 3), 先手_金);
  s.盤面[3][1] = 空;
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 3), 空);
  s.盤面[3][1] = 後手_金;
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 3), 後手_金);
  // Starting on the last line returns the start square itself, whoever owns it.
  EXPECT_EQ(s.調査_上端(手番_後手, 3, 1), 後手_金);
  EXPECT_EQ(s.調査_上端(手番_先手, 3, 1), 後手_金);
  s.盤面[7][9] = 後手_歩;
  EXPECT_EQ(s.調査_右下端(手番_先手, 7, 9), 後手_歩);
  // An empty start square is its own end.
  EXPECT_EQ(s.調査_右端(手番_先手, 5, 5), 空);
  // The start square that is not own stops the walk at once.
  s.盤面[5][5] = 後手_金;
  置く(s, 先手_金, {{6, 5}});
  EXPECT_EQ(s.調査_右端(手番_先手, 5, 5), 後手_金);
}

TEST(走査, 八方向の端の走査は盤端の最後の桝を返す) {
  対局状態 s = 空の局面();
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) s.盤面[x][y] = 先手_歩;
  }
  // Mark each last-line square a walk from (4, 6) ends on; own everywhere else.
  s.盤面[9][6] = 先手_と;  // right
  s.盤面[1][6] = 先手_香;  // left
  s.盤面[4][1] = 先手_桂;  // up
  s.盤面[4][9] = 先手_銀;  // down
  s.盤面[9][1] = 先手_金;  // up-right: (5,5) (6,4) (7,3) (8,2) (9,1)
  s.盤面[7][9] = 先手_角;  // down-right
  s.盤面[1][3] = 先手_飛;  // up-left
  s.盤面[1][9] = 先手_王;  // down-left
  EXPECT_EQ(s.調査_右端(手番_先手, 4, 6), 先手_と);
  EXPECT_EQ(s.調査_左端(手番_先手, 4, 6), 先手_香);
  EXPECT_EQ(s.調査_上端(手番_先手, 4, 6), 先手_桂);
  EXPECT_EQ(s.調査_下端(手番_先手, 4, 6), 先手_銀);
  EXPECT_EQ(s.調査_右上端(手番_先手, 4, 6), 先手_金);
  EXPECT_EQ(s.調査_右下端(手番_先手, 4, 6), 先手_角);
  EXPECT_EQ(s.調査_左上端(手番_先手, 4, 6), 先手_飛);
  EXPECT_EQ(s.調査_左下端(手番_先手, 4, 6), 先手_王);
  EXPECT_EQ(s.調査_右(手番_先手, 4, 6), 5);
  EXPECT_EQ(s.調査_左(手番_先手, 4, 6), 3);
  EXPECT_EQ(s.調査_上(手番_先手, 4, 6), 5);
  EXPECT_EQ(s.調査_下(手番_先手, 4, 6), 3);
  EXPECT_EQ(s.調査_右上(手番_先手, 4, 6), 5);
  EXPECT_EQ(s.調査_右下(手番_先手, 4, 6), 3);
  EXPECT_EQ(s.調査_左上(手番_先手, 4, 6), 3);
  EXPECT_EQ(s.調査_左下(手番_先手, 4, 6), 3);
}

TEST(走査, どちらの手番でもない値は全ての桝を自分の駒とみなす) {
  対局状態 s = 空の局面();
  置く(s, 後手_金, {{6, 5}});
  置く(s, 先手_金, {{3, 5}});
  s.盤面[9][5] = 後手_香;
  for (int side : {手番_なし, 0, 7}) {
    EXPECT_EQ(s.調査_右(side, 5, 5), 4) << side;
    EXPECT_EQ(s.調査_左(side, 5, 5), 4) << side;
    EXPECT_EQ(s.調査_右上(side, 2, 3), 2) << side;
    EXPECT_EQ(s.調査_右端(side, 5, 5), 後手_香) << side;
    EXPECT_EQ(s.調査_左端(side, 5, 5), 空) << side;
  }
}

TEST(走査, 盤外の起点は何も読まない) {
  const 対局状態 s = 空の局面();
  for (int side : {手番_先手, 手番_後手, 手番_なし}) {
    EXPECT_EQ(s.調査_右(side, 0, 5), 0);
    EXPECT_EQ(s.調査_下(side, 5, 10), 0);
    EXPECT_EQ(s.調査_左上(side, 100, -100), 0);
    EXPECT_EQ(s.調査_左端(side, 0, 5), 空);
    EXPECT_EQ(s.調査_右端(side, 10, 5), 空);
    EXPECT_EQ(s.調査_右下端(side, 5, -3), 空);
  }
}

}  // namespace
}  // namespace brenvolt
