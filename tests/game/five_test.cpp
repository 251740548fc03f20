#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::空の局面;
using testing::置く;

TEST(調査_5並び, ちょうど五つならどの桝からでも勝ち) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}});
  for (int x = 1; x <= 5; ++x) EXPECT_EQ(s.調査_5並び(手番_先手, x, 5), 有) << x;
  EXPECT_EQ(s.調査_5並び(手番_後手, 3, 5), 無);
  EXPECT_EQ(s.調査_5並び(手番_先手, 6, 5), 無);  // empty square next to the five
  EXPECT_EQ(s.終了_判定(手番_先手, 3, 5), 有);
  EXPECT_EQ(s.終了_判定(手番_先手, 3, 4), 無);
}

TEST(調査_5並び, 六つ以上の長連は勝ちではない) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}});
  for (int x = 1; x <= 6; ++x) EXPECT_EQ(s.調査_5並び(手番_先手, x, 5), 無) << x;
  s.盤面[7][5] = 先手_歩;
  s.盤面[8][5] = 先手_歩;
  s.盤面[9][5] = 先手_歩;
  EXPECT_EQ(s.調査_5並び(手番_先手, 5, 5), 無);
}

TEST(調査_5並び, 斜めでも駒の種類が混じっても五つは五つ) {
  対局状態 s = 空の局面();
  置く(s, 後手_王, {{2, 8}});
  置く(s, 後手_と, {{3, 7}});
  置く(s, 後手_飛成, {{4, 6}});
  置く(s, 後手_金, {{5, 5}});
  置く(s, 後手_桂成, {{6, 4}});
  EXPECT_EQ(s.調査_5並び(手番_後手, 4, 6), 有);
  置く(s, 先手_銀, {{9, 1}, {8, 2}, {7, 3}, {6, 4}, {5, 5}});
  置く(s, 後手_香, {{1, 9}});
  EXPECT_EQ(s.調査_5並び(手番_先手, 9, 1), 有);
  s.盤面[4][6] = 先手_銀;
  EXPECT_EQ(s.調査_5並び(手番_先手, 9, 1), 無);  // now six
  // The falling diagonal as well.
  対局状態 t = 空の局面();
  置く(t, 先手_角成, {{3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}});
  EXPECT_EQ(t.調査_5並び(手番_先手, 7, 7), 有);
}

TEST(調査_5並び, 空き桝は両側に四つずつあっても勝ちではない) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}});
  EXPECT_EQ(s.調査_5並び(手番_先手, 5, 5), 無);
  // Any piece on the square counts as the line's first piece, even one of the other side.
  s.盤面[5][5] = 後手_王;
  置く(s, 空, {{1, 5}, {2, 5}, {3, 5}, {9, 5}});
  EXPECT_EQ(s.調査_5並び(手番_先手, 5, 5), 有);
}

TEST(調査_5並び, 盤外の桝は五にならない) {
  const 対局状態 s = 空の局面();
  EXPECT_EQ(s.調査_5並び(手番_先手, 0, 5), 無);
  EXPECT_EQ(s.調査_5並び(手番_先手, 10, 5), 無);
  EXPECT_EQ(s.調査_5並び(手番_後手, 5, -7), 無);
}

TEST(終了_判定周囲, 長連から一枚抜けて残った五を隣の桝に見つける) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}});
  s.駒移動(6, 5, 6, 4, 先手_歩);
  EXPECT_EQ(s.終了_判定(手番_先手, 6, 4), 無);
  int ox = -99;
  int oy = -99;
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 6, 5, ox, oy), 有);
  EXPECT_EQ(ox, 5);
  EXPECT_EQ(oy, 5);
}

TEST(終了_判定周囲, 左の列から上から順に最初の隣を返す) {
  // A vertical five in column 4 and another in column 6, both beside (5, 5).
  対局状態 s = 空の局面();
  置く(s, 後手_金, {{4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}});
  置く(s, 後手_金, {{6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}});
  int ox = 0;
  int oy = 0;
  EXPECT_EQ(s.終了_判定周囲(手番_後手, 5, 5, ox, oy), 有);
  EXPECT_EQ(ox, 4);
  EXPECT_EQ(oy, 4);
  // The other side never finds the five, and the outputs stay as they were.
  ox = -7;
  oy = -8;
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 5, 5, ox, oy), 無);
  EXPECT_EQ(s.終了_判定周囲(手番_なし, 5, 5, ox, oy), 無);
  EXPECT_EQ(ox, -7);
  EXPECT_EQ(oy, -8);
}

TEST(終了_判定周囲, 角の桝では盤上の三つの隣だけを見る) {
  // Fives through (1, 2) and (2, 2) but the first neighbour in visiting order is (1, 2).
  対局状態 s = 空の局面();
  置く(s, 先手_金, {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}});
  置く(s, 先手_金, {{2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}});
  int ox = 0;
  int oy = 0;
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 1, 1, ox, oy), 有);
  EXPECT_EQ(ox, 1);
  EXPECT_EQ(oy, 2);
  s.盤面[1][6] = 空;
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 1, 1, ox, oy), 有);
  EXPECT_EQ(ox, 2);
  EXPECT_EQ(oy, 1);
}

TEST(終了_判定周囲, 五の桝には動いた側の駒が立っていなければならない) {
  // The five test counts a piece of the other side as a line's first piece; the neighbour
  // search does not accept such a square.
  対局状態 s = 空の局面();
  置く(s, 先手_金, {{6, 4}, {6, 3}, {6, 2}, {6, 1}});
  置く(s, 後手_金, {{6, 5}});
  int ox = 0;
  int oy = 0;
  EXPECT_EQ(s.調査_5並び(手番_先手, 6, 5), 有);
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 5, 5, ox, oy), 無);
}

TEST(終了_判定周囲, 打ちの持駒列の周りは盤外) {
  対局状態 s = 空の局面();
  置く(s, 先手_金, {{9, 1}, {9, 2}, {9, 3}, {9, 4}, {9, 5}});
  置く(s, 後手_金, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}});
  int ox = 0;
  int oy = 0;
  for (int row = 1; row <= 9; ++row) {
    EXPECT_EQ(s.終了_判定周囲(手番_先手, 先手持駒列, row, ox, oy), 無);
    EXPECT_EQ(s.終了_判定周囲(手番_後手, 後手持駒列, row, ox, oy), 無);
  }
  EXPECT_EQ(s.終了_判定周囲(手番_先手, 10, 3, ox, oy), 有);  // one step off does see column 9
  EXPECT_EQ(s.終了_判定周囲(手番_後手, 0x7fffffff, 3, ox, oy), 無);
}

}  // namespace
}  // namespace brenvolt
