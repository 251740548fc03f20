#include <gtest/gtest.h>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::状態の写し;
using testing::空の局面;
using testing::置く;

TEST(調査_駒成, 歩香桂は敵陣に入るときだけ成れる) {
  対局状態 s = 空の局面();
  s.成駒 = 12345;
  EXPECT_EQ(s.調査_駒成(5, 5, 5, 4, 先手_歩), 無);
  EXPECT_EQ(s.成駒, 12345);  // untouched on 無
  EXPECT_EQ(s.調査_駒成(5, 4, 5, 3, 先手_歩), 有);
  EXPECT_EQ(s.成駒, 先手_と);
  EXPECT_EQ(s.調査_駒成(5, 5, 5, 1, 先手_香), 有);
  EXPECT_EQ(s.成駒, 先手_香成);
  EXPECT_EQ(s.調査_駒成(4, 5, 5, 3, 先手_桂), 有);
  EXPECT_EQ(s.成駒, 先手_桂成);
  EXPECT_EQ(s.調査_駒成(5, 6, 5, 7, 後手_歩), 有);
  EXPECT_EQ(s.成駒, 後手_と);
  EXPECT_EQ(s.調査_駒成(5, 5, 5, 6, 後手_香), 無);
  EXPECT_EQ(s.調査_駒成(4, 7, 5, 9, 後手_桂), 有);
  EXPECT_EQ(s.成駒, 後手_桂成);
}

TEST(調査_駒成, 銀角飛は敵陣から出るときも中で動くときも成れる) {
  対局状態 s = 空の局面();
  EXPECT_EQ(s.調査_駒成(5, 3, 5, 4, 先手_銀), 有);  // leaving
  EXPECT_EQ(s.成駒, 先手_銀成);
  EXPECT_EQ(s.調査_駒成(2, 2, 3, 3, 先手_角), 有);  // inside
  EXPECT_EQ(s.成駒, 先手_角成);
  EXPECT_EQ(s.調査_駒成(5, 5, 5, 6, 先手_飛), 無);
  EXPECT_EQ(s.調査_駒成(5, 7, 5, 2, 後手_飛), 有);  // leaving
  EXPECT_EQ(s.成駒, 後手_飛成);
  EXPECT_EQ(s.調査_駒成(5, 3, 5, 6, 後手_角), 無);
  EXPECT_EQ(s.調査_駒成(4, 5, 5, 7, 後手_銀), 有);
  EXPECT_EQ(s.成駒, 後手_銀成);
}

TEST(調査_駒成, 金王成駒と打ち駒は成らない) {
  対局状態 s = 空の局面();
  s.成駒 = 空;
  for (int 駒 : {先手_金, 先手_王, 先手_と, 先手_角成, 先手_飛成, 先手_銀成}) {
    EXPECT_EQ(s.調査_駒成(5, 2, 5, 1, 駒), 無) << 駒;
    EXPECT_EQ(s.調査_駒成(5, 8, 5, 9, -駒), 無) << 駒;
  }
  EXPECT_EQ(s.調査_駒成(11, 2, 5, 1, 先手_銀), 無);
  EXPECT_EQ(s.調査_駒成(-1, 8, 5, 9, 後手_飛), 無);
  EXPECT_EQ(s.成駒, 空);
}

TEST(移動後チェック, 行き所のない段では成りが強制される) {
  for (int y = 1; y <= 9; ++y) {
    EXPECT_EQ(移動後チェック(y, 先手_歩), y == 1 ? 無 : 有) << y;
    EXPECT_EQ(移動後チェック(y, 先手_香), y == 1 ? 無 : 有) << y;
    EXPECT_EQ(移動後チェック(y, 先手_桂), y <= 2 ? 無 : 有) << y;
    EXPECT_EQ(移動後チェック(y, 後手_歩), y == 9 ? 無 : 有) << y;
    EXPECT_EQ(移動後チェック(y, 後手_香), y == 9 ? 無 : 有) << y;
    EXPECT_EQ(移動後チェック(y, 後手_桂), y >= 8 ? 無 : 有) << y;
    for (int 駒 : {先手_銀, 先手_と, 先手_桂成, 後手_金, 後手_王, 後手_飛}) {
      EXPECT_EQ(移動後チェック(y, 駒), 有) << y << " " << 駒;
    }
  }
}

TEST(駒移動, 盤上の移動は元を空け先に渡された駒を置く) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{5, 4}});
  s.駒移動(5, 4, 5, 3, 先手_と);  // a promoting move passes the promoted code
  EXPECT_EQ(s.盤面[5][4], 空);
  EXPECT_EQ(s.盤面[5][3], 先手_と);
  EXPECT_EQ(s.先手持駒合計, 11);
  EXPECT_EQ(s.後手持駒合計, 11);
}

TEST(駒移動, 打ちは行の持駒と合計を一つずつ減らす) {
  対局状態 s = 空の局面();
  s.駒移動(11, 2, 5, 5, 先手_歩);
  EXPECT_EQ(s.盤面[5][5], 先手_歩);
  EXPECT_EQ(s.先手持駒数[1], 1);
  EXPECT_EQ(s.先手持駒合計, 10);
  s.駒移動(-1, 1, 4, 4, 後手_王);
  EXPECT_EQ(s.盤面[4][4], 後手_王);
  EXPECT_EQ(s.後手持駒数[8], 0);
  EXPECT_EQ(s.後手持駒合計, 10);
  EXPECT_EQ(s.取得_持駒数(手番_後手, 1), 0);
  s.駒移動(-1, 7, 6, 6, 後手_香);
  EXPECT_EQ(s.後手持駒数[2], 1);
  EXPECT_EQ(s.後手持駒合計, 9);
  EXPECT_EQ(s.先手持駒数, (持駒{0, 1, 2, 2, 1, 1, 1, 1, 1}));
}

TEST(駒移動, 持駒のない行からの打ちや盤外への移動は何も変えない) {
  対局状態 s = 空の局面();
  s.先手持駒数[8] = 0;
  s.先手持駒合計 = 10;
  置く(s, 先手_金, {{3, 3}});
  const 状態の写し before(s);
  s.駒移動(11, 9, 5, 5, 先手_王);  // none left
  s.駒移動(11, 1, 5, 5, 先手_歩);  // row 1 of 先手's stand holds no kind
  s.駒移動(-1, 9, 5, 5, 後手_歩);  // row 9 of 後手's stand holds no kind
  s.駒移動(-1, 40, 5, 5, 後手_歩);
  s.駒移動(3, 3, 10, 3, 先手_金);
  s.駒移動(3, 3, 3, 0, 先手_金);
  s.駒移動(0, 3, 5, 5, 先手_金);
  EXPECT_EQ(状態の写し(s), before);
}

TEST(調査_2歩フラグ設定, 筋ごとに未成の歩の有無を盤から数え直す) {
  対局状態 s = 空の局面();
  s.先手2歩[1] = 1;  // stale flags are cleared
  s.後手2歩[9] = 1;
  置く(s, 先手_歩, {{5, 7}});
  置く(s, 先手_と, {{3, 2}});
  置く(s, 後手_歩, {{5, 3}, {8, 8}});
  置く(s, 後手_香, {{2, 2}});
  s.調査_2歩フラグ設定();
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(s.先手2歩[x], x == 5 ? 1 : 0) << x;
    EXPECT_EQ(s.後手2歩[x], (x == 5 || x == 8) ? 1 : 0) << x;
  }
  // After the pawn promotes the column is free again.
  s.駒移動(5, 7, 5, 6, 先手_と);
  s.調査_2歩フラグ設定();
  EXPECT_EQ(s.先手2歩[5], 0);
  EXPECT_EQ(s.移動チェック(11, 2, 5, 8, 先手_歩), 有);
}

}  // namespace
}  // namespace brenvolt
