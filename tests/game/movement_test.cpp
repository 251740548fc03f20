#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::空の局面;
using testing::置く;

// Every board square a piece on (x, y) may move to, as the rule answers it.
std::set<std::pair<int, int>> 行き先(const 対局状態& s, int x, int y, int 駒) {
  std::set<std::pair<int, int>> out;
  for (int tx = 1; tx <= 9; ++tx) {
    for (int ty = 1; ty <= 9; ++ty) {
      if (s.移動チェック(x, y, tx, ty, 駒) == 有) out.insert({tx, ty});
    }
  }
  return out;
}

TEST(移動チェック, 盤外と同じ桝と駒のある桝へは行けない) {
  対局状態 s = 空の局面();
  置く(s, 後手_歩, {{5, 4}});
  置く(s, 先手_金, {{4, 4}});
  for (int 駒 : {先手_王, 後手_王, 先手_飛成, 0}) {
    EXPECT_EQ(s.移動チェック(5, 5, 5, 4, 駒), 無) << 駒;  // enemy piece
    EXPECT_EQ(s.移動チェック(5, 5, 4, 4, 駒), 無) << 駒;  // own piece
    EXPECT_EQ(s.移動チェック(5, 5, 5, 5, 駒), 無) << 駒;
    EXPECT_EQ(s.移動チェック(1, 1, 0, 1, 駒), 無) << 駒;
    EXPECT_EQ(s.移動チェック(9, 9, 10, 9, 駒), 無) << 駒;
    EXPECT_EQ(s.移動チェック(1, 1, 1, 0, 駒), 無) << 駒;
    EXPECT_EQ(s.移動チェック(9, 9, 9, 10, 駒), 無) << 駒;
    EXPECT_EQ(s.移動チェック(11, 2, 5, 4, 駒), 無) << 駒;  // drop onto a piece
  }
  EXPECT_EQ(s.移動チェック(11, 2, -3, 50, 先手_金), 無);
}

TEST(移動チェック, 歩香桂銀金王の一手の動き) {
  const 対局状態 s = 空の局面();
  using P = std::set<std::pair<int, int>>;
  EXPECT_EQ(行き先(s, 5, 5, 先手_歩), (P{{5, 4}}));
  EXPECT_EQ(行き先(s, 5, 5, 後手_歩), (P{{5, 6}}));
  EXPECT_EQ(行き先(s, 5, 5, 先手_桂), (P{{4, 3}, {6, 3}}));
  EXPECT_EQ(行き先(s, 5, 5, 後手_桂), (P{{4, 7}, {6, 7}}));
  EXPECT_EQ(行き先(s, 5, 5, 先手_銀), (P{{4, 4}, {5, 4}, {6, 4}, {4, 6}, {6, 6}}));
  EXPECT_EQ(行き先(s, 5, 5, 後手_銀), (P{{4, 6}, {5, 6}, {6, 6}, {4, 4}, {6, 4}}));
  const P 先手金{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {5, 6}};
  const P 後手金{{4, 6}, {5, 6}, {6, 6}, {4, 5}, {6, 5}, {5, 4}};
  for (int 駒 : {先手_金, 先手_と, 先手_香成, 先手_桂成, 先手_銀成}) {
    EXPECT_EQ(行き先(s, 5, 5, 駒), 先手金) << 駒;
    EXPECT_EQ(行き先(s, 5, 5, -駒), 後手金) << 駒;
  }
  const P 王{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {4, 6}, {5, 6}, {6, 6}};
  EXPECT_EQ(行き先(s, 5, 5, 先手_王), 王);
  EXPECT_EQ(行き先(s, 5, 5, 後手_王), 王);
  EXPECT_EQ(行き先(s, 5, 5, 先手_香), (P{{5, 4}, {5, 3}, {5, 2}, {5, 1}}));
  EXPECT_EQ(行き先(s, 5, 5, 後手_香), (P{{5, 6}, {5, 7}, {5, 8}, {5, 9}}));
}

TEST(移動チェック, 走り駒は駒を飛び越えられない) {
  対局状態 s = 空の局面();
  置く(s, 後手_歩, {{5, 3}});  // in front of the 先手 lance and on the rook's file
  置く(s, 先手_金, {{7, 5}, {3, 3}});
  置く(s, 後手_金, {{7, 7}});
  EXPECT_EQ(s.移動チェック(5, 5, 5, 4, 先手_香), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 5, 2, 先手_香), 無);
  EXPECT_EQ(s.移動チェック(5, 5, 5, 6, 先手_香), 無);  // backwards
  EXPECT_EQ(s.移動チェック(5, 1, 5, 2, 後手_香), 有);
  EXPECT_EQ(s.移動チェック(5, 1, 5, 4, 後手_香), 無);

  EXPECT_EQ(s.移動チェック(5, 5, 5, 2, 先手_飛), 無);
  EXPECT_EQ(s.移動チェック(5, 5, 8, 5, 先手_飛), 無);
  EXPECT_EQ(s.移動チェック(5, 5, 6, 5, 先手_飛), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 1, 5, 後手_飛), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 5, 9, 後手_飛), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 6, 6, 先手_飛), 無);  // not on a line

  EXPECT_EQ(s.移動チェック(5, 5, 2, 2, 先手_角), 無);  // (3, 3) in the way
  EXPECT_EQ(s.移動チェック(5, 5, 8, 8, 先手_角), 無);  // (7, 7) in the way
  EXPECT_EQ(s.移動チェック(5, 5, 4, 4, 先手_角), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 6, 6, 後手_角), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 9, 1, 後手_角), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 1, 9, 後手_角), 有);
  EXPECT_EQ(s.移動チェック(5, 5, 5, 7, 先手_角), 無);
  EXPECT_EQ(s.移動チェック(5, 5, 6, 8, 先手_角), 無);
}

TEST(移動チェック, 成った角と飛車は一歩も動ける) {
  対局状態 s = 空の局面();
  // Surround (5, 5) so that every line beyond one step is blocked.
  置く(s, 後手_金, {{5, 3}, {5, 7}, {3, 5}, {7, 5}, {3, 3}, {7, 7}, {3, 7}, {7, 3}});
  using P = std::set<std::pair<int, int>>;
  const P 一歩{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {4, 6}, {5, 6}, {6, 6}};
  EXPECT_EQ(行き先(s, 5, 5, 先手_角成), 一歩);
  EXPECT_EQ(行き先(s, 5, 5, 後手_飛成), 一歩);
  EXPECT_EQ(行き先(s, 5, 5, 先手_角), (P{{4, 4}, {6, 4}, {4, 6}, {6, 6}}));
  EXPECT_EQ(行き先(s, 5, 5, 後手_飛), (P{{5, 4}, {4, 5}, {6, 5}, {5, 6}}));
  // On an open board the promoted bishop also slides.
  const 対局状態 open = 空の局面();
  EXPECT_EQ(open.移動チェック(5, 5, 1, 1, 先手_角成), 有);
  EXPECT_EQ(open.移動チェック(5, 5, 5, 1, 先手_角成), 無);
  EXPECT_EQ(open.移動チェック(5, 5, 5, 1, 先手_飛成), 有);
  EXPECT_EQ(open.移動チェック(5, 5, 1, 1, 先手_飛成), 無);
}

TEST(移動チェック, 打ち駒は段の制限と二歩だけが妨げる) {
  対局状態 s = 空の局面();
  // Heavy pieces and the king drop anywhere empty, last rows included, from either stand.
  for (int 駒 : {先手_銀, 先手_金, 先手_角, 先手_飛, 先手_王}) {
    EXPECT_EQ(s.移動チェック(11, 5, 5, 1, 駒), 有) << 駒;
    EXPECT_EQ(s.移動チェック(-1, 4, 5, 9, -駒), 有) << 駒;
  }
  EXPECT_EQ(s.移動チェック(11, 2, 5, 1, 先手_歩), 無);
  EXPECT_EQ(s.移動チェック(11, 2, 5, 2, 先手_歩), 有);
  EXPECT_EQ(s.移動チェック(-1, 8, 5, 9, 後手_歩), 無);
  EXPECT_EQ(s.移動チェック(-1, 8, 5, 8, 後手_歩), 有);
  EXPECT_EQ(s.移動チェック(11, 3, 5, 1, 先手_香), 無);
  EXPECT_EQ(s.移動チェック(11, 3, 5, 2, 先手_香), 有);
  EXPECT_EQ(s.移動チェック(-1, 7, 5, 9, 後手_香), 無);
  EXPECT_EQ(s.移動チェック(-1, 7, 5, 8, 後手_香), 有);
  for (int y = 1; y <= 9; ++y) {
    EXPECT_EQ(s.移動チェック(11, 4, 5, y, 先手_桂), y >= 3 ? 有 : 無) << y;
    EXPECT_EQ(s.移動チェック(-1, 6, 5, y, 後手_桂), y <= 7 ? 有 : 無) << y;
  }
}

TEST(移動チェック, 二歩は未成の歩のある筋だけを妨げる) {
  対局状態 s = 空の局面();
  置く(s, 先手_歩, {{5, 7}});
  置く(s, 先手_と, {{3, 7}});
  置く(s, 後手_歩, {{7, 3}});
  s.調査_2歩フラグ設定();
  EXPECT_EQ(s.移動チェック(11, 2, 5, 4, 先手_歩), 無);
  EXPECT_EQ(s.移動チェック(11, 2, 3, 4, 先手_歩), 有);  // a promoted pawn does not count
  EXPECT_EQ(s.移動チェック(11, 2, 7, 4, 先手_歩), 有);  // the other side's pawn does not count
  EXPECT_EQ(s.移動チェック(-1, 8, 7, 6, 後手_歩), 無);
  EXPECT_EQ(s.移動チェック(-1, 8, 5, 6, 後手_歩), 有);
  // A lance is not a pawn.
  EXPECT_EQ(s.移動チェック(11, 3, 5, 4, 先手_香), 有);
}

TEST(移動チェック, 盤外から始まる走りは読まずに断る) {
  const 対局状態 s = 空の局面();
  EXPECT_EQ(s.移動チェック飛車(5, -40, 5, 5), 無);
  EXPECT_EQ(s.移動チェック飛車(5, 5, 5, 40), 無);
  EXPECT_EQ(s.移動チェック角(-30, -30, 5, 5), 無);
  EXPECT_EQ(s.移動チェック角(5, 5, 40, 40), 無);
  EXPECT_EQ(s.移動チェック(5, -40, 5, 5, 後手_香), 無);
  EXPECT_EQ(s.移動チェック(5, 40, 5, 5, 先手_香), 無);
  EXPECT_EQ(s.移動チェック(-30, -30, 5, 5, 先手_角), 無);
  EXPECT_EQ(s.移動チェック(std::numeric_limits<int>::min(), 0, 5, 5, 先手_王), 無);
  // The line checks do not look at the destination itself.
  対局状態 t = 空の局面();
  置く(t, 後手_金, {{5, 1}, {1, 1}});
  EXPECT_EQ(t.移動チェック飛車(5, 5, 5, 1), 有);
  EXPECT_EQ(t.移動チェック角(5, 5, 1, 1), 有);
}

}  // namespace
}  // namespace brenvolt
