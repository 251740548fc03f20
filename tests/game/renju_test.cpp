#include <gtest/gtest.h>

#include <limits>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::状態の写し;
using testing::空の局面;
using testing::置く;

// 先手 drops a gold on (5, 5); the board must look the same afterwards.
class 五五への打ち : public ::testing::Test {
 protected:
  対局状態 s = 空の局面();

  int 三三() { return 試す(&対局状態::調査_三三); }
  int 四四() { return 試す(&対局状態::調査_四四); }

 private:
  int 試す(int (対局状態::*test)(int, int, int, int, int, int)) {
    const 状態の写し before(s);
    const int result = (s.*test)(先手持駒列, 6, 5, 5, 手番_先手, 先手_金);
    EXPECT_EQ(状態の写し(s), before);
    return result;
  }
};

TEST_F(五五への打ち, 開いた三が二本なら三三) {
  置く(s, 先手_歩, {{3, 5}, {4, 5}, {5, 3}, {5, 4}});
  EXPECT_EQ(三三(), 有);
  EXPECT_EQ(四四(), 無);
}

TEST_F(五五への打ち, 打った駒が三の真ん中でも三) {
  置く(s, 先手_歩, {{3, 5}, {4, 5}, {5, 4}, {5, 6}});
  EXPECT_EQ(三三(), 有);
}

TEST_F(五五への打ち, 一つ空いた三も三) {
  置く(s, 先手_歩, {{2, 5}, {3, 5}, {5, 3}, {5, 4}});
  EXPECT_EQ(三三(), 有);
  // The gap on the other side of the stone works the same way.
  対局状態 t = 空の局面();
  置く(t, 先手_歩, {{7, 5}, {8, 5}, {5, 3}, {5, 4}});
  EXPECT_EQ(t.調査_三三(先手持駒列, 6, 5, 5, 手番_先手, 先手_金), 有);
}

TEST_F(五五への打ち, 端が塞がった三や盤端の三は数えない) {
  置く(s, 先手_歩, {{3, 5}, {4, 5}, {5, 3}, {5, 4}});
  置く(s, 後手_歩, {{2, 5}});
  EXPECT_EQ(三三(), 無);
  // The board's edge closes a line as an opponent's piece does.
  対局状態 t = 空の局面();
  置く(t, 先手_歩, {{1, 3}, {2, 3}, {3, 5}, {3, 6}});
  EXPECT_EQ(t.調査_三三(先手持駒列, 6, 3, 3, 手番_先手, 先手_金), 無);
  // One step away from the edge the square beyond is empty and the three is open.
  対局状態 u = 空の局面();
  置く(u, 先手_歩, {{2, 3}, {3, 3}, {4, 5}, {4, 6}});
  EXPECT_EQ(u.調査_三三(先手持駒列, 6, 4, 3, 手番_先手, 先手_金), 有);
}

TEST_F(五五への打ち, 五ができるなら三三も四四も断らない) {
  置く(s, 先手_歩, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 3}, {5, 4}, {5, 2}, {7, 7}, {6, 6}});
  EXPECT_EQ(三三(), 無);
  EXPECT_EQ(四四(), 無);
  // Without the five, the other lines make the move a double.
  s.盤面[1][5] = 空;
  EXPECT_EQ(四四(), 有);
}

TEST_F(五五への打ち, 開いた四が二本なら四四で三三ではない) {
  置く(s, 先手_歩, {{2, 5}, {3, 5}, {4, 5}, {5, 2}, {5, 3}, {5, 4}});
  EXPECT_EQ(四四(), 有);
  EXPECT_EQ(三三(), 無);
}

TEST_F(五五への打ち, 片方だけ開いた四も四) {
  置く(s, 先手_歩, {{2, 5}, {3, 5}, {4, 5}, {5, 2}, {5, 3}, {5, 4}});
  置く(s, 後手_歩, {{1, 5}});
  EXPECT_EQ(四四(), 有);
  s.盤面[6][5] = 後手_歩;  // now closed at both ends: the horizontal four no longer counts
  EXPECT_EQ(四四(), 無);
}

TEST_F(五五への打ち, 一つ空いた四は先に前半の隙間を試しだめなら後半) {
  置く(s, 先手_歩, {{4, 5}, {7, 5}, {8, 5}});  // (3,5) fails, (6,5) makes five
  置く(s, 先手_歩, {{5, 2}, {5, 3}, {5, 4}});  // a solid four
  EXPECT_EQ(四四(), 有);
  s.盤面[9][5] = 先手_歩;  // filling (6, 5) would now make six: no four on that line
  EXPECT_EQ(四四(), 無);
}

TEST_F(五五への打ち, 一つ空いた四は隙間の側の外だけが開いていればよい) {
  置く(s, 先手_歩, {{3, 5}, {4, 5}, {7, 5}, {5, 2}, {5, 3}, {5, 4}});
  置く(s, 後手_歩, {{2, 5}});  // the far side away from the gap is closed
  EXPECT_EQ(四四(), 有);
  s.盤面[8][5] = 後手_歩;  // the square beyond the gap side is closed
  EXPECT_EQ(四四(), 無);
}

TEST_F(五五への打ち, 隙間の側の外が盤端なら四ではない) {
  置く(s, 先手_歩, {{1, 5}, {2, 5}, {3, 5}, {5, 2}, {5, 3}, {5, 4}});
  EXPECT_EQ(四四(), 無);
  s.盤面[1][5] = 空;
  置く(s, 先手_歩, {{4, 5}});  // now a solid four (2,5)..(5,5) with (1,5) open
  EXPECT_EQ(四四(), 有);
}

TEST_F(五五への打ち, 一本の線は二つの形があっても一度しか数えない) {
  // (2,5) (3,5) _ (5,5) _ (7,5) (8,5): both gaps make a three, the line still counts once.
  置く(s, 先手_歩, {{2, 5}, {3, 5}, {7, 5}, {8, 5}});
  EXPECT_EQ(三三(), 無);
  置く(s, 先手_歩, {{5, 3}, {5, 4}});
  EXPECT_EQ(三三(), 有);
}

TEST_F(五五への打ち, 三と四が一本ずつならどちらも断らない) {
  置く(s, 先手_歩, {{2, 5}, {3, 5}, {4, 5}, {5, 3}, {5, 4}});
  EXPECT_EQ(三三(), 無);
  EXPECT_EQ(四四(), 無);
}

TEST_F(五五への打ち, 斜めの二本も同じ規則) {
  置く(s, 先手_歩, {{3, 3}, {4, 4}, {7, 3}, {6, 4}});
  EXPECT_EQ(三三(), 有);
  置く(s, 先手_歩, {{2, 2}, {8, 2}});
  EXPECT_EQ(三三(), 無);
  EXPECT_EQ(四四(), 有);
}

TEST_F(五五への打ち, 相手の駒で作った形は自分の三ではない) {
  置く(s, 後手_歩, {{3, 5}, {4, 5}, {5, 3}, {5, 4}});
  EXPECT_EQ(三三(), 無);
  EXPECT_EQ(s.調査_三三(後手持駒列, 2, 5, 5, 手番_後手, 後手_金), 有);
}

TEST(禁手の盤上の移動, 動かした元の桝は試しの間は空で終われば元どおり) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{5, 3}, {5, 4}, {3, 5}, {4, 5}});
  置く(s, 先手_金, {{5, 6}});
  const 状態の写し before(s);
  // (5, 6) is vacated, so the vertical line is a three, not a four.
  EXPECT_EQ(s.調査_三三(5, 6, 5, 5, 手番_先手, 先手_金), 有);
  EXPECT_EQ(s.調査_四四(5, 6, 5, 5, 手番_先手, 先手_金), 無);
  EXPECT_EQ(状態の写し(s), before);
  // A drop of the same gold onto (5, 5) keeps (5, 6) and makes a four and a three instead.
  EXPECT_EQ(s.調査_三三(先手持駒列, 6, 5, 5, 手番_先手, 先手_金), 無);
  EXPECT_EQ(状態の写し(s), before);
}

TEST(禁手の盤上の移動, 前提を外れた呼び出しでも盤は元のまま) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{5, 3}, {5, 4}, {3, 5}, {4, 5}});
  置く(s, 先手_金, {{5, 6}});
  置く(s, 後手_王, {{5, 5}});
  const 状態の写し before(s);
  // An occupied destination, and a piece that is not the one on the source.
  s.調査_三三(5, 6, 5, 5, 手番_先手, 先手_飛成);
  s.調査_四四(5, 6, 5, 5, 手番_先手, 先手_飛成);
  EXPECT_EQ(状態の写し(s), before);
  // A destination off the board is no move; nothing is read or written.
  EXPECT_EQ(s.調査_三三(5, 6, 10, 5, 手番_先手, 先手_金), 無);
  EXPECT_EQ(s.調査_四四(5, 6, 5, 0, 手番_先手, 先手_金), 無);
  EXPECT_EQ(s.調査_四四(5, 6, std::numeric_limits<int>::min(), 5, 手番_先手, 先手_金), 無);
  // A source column on the board with a row off it is not a board square.
  s.盤面[5][5] = 空;
  const 状態の写し cleared(s);
  s.調査_三三(5, 40, 5, 5, 手番_先手, 先手_金);
  EXPECT_EQ(状態の写し(s), cleared);
}

TEST(禁手の盤上の移動, 置く駒も手番も自分のものでなくても盤の外に書かない) {
  // An empty "piece" or a side value that is no side must neither fill a gap off the board nor
  // disturb the position; every edge and corner square is tried.
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{2, 2}, {8, 8}, {2, 8}, {8, 2}, {5, 1}, {5, 9}, {1, 5}, {9, 5}});
  const 状態の写し before(s);
  for (int side : {手番_先手, 手番_後手, 手番_なし, 0}) {
    for (int piece : {空, 先手_金, 後手_金}) {
      for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
          if (s.盤面[x][y] != 空) continue;
          s.調査_三三(先手持駒列, 2, x, y, side, piece);
          s.調査_四四(後手持駒列, 8, x, y, side, piece);
          ASSERT_EQ(状態の写し(s), before) << side << " " << piece << " " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace brenvolt
