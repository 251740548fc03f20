#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::局面;
using testing::桝;

struct 禁手の例 {
  const char* 名前;
  std::initializer_list<桝> 先手;
  std::initializer_list<桝> 後手;
  int 三三;
  int 四四;
};

// 先手 drops a gold on (5, 5) of each position; the board must look the same afterwards.
// clang-format off
const 禁手の例 例[] = {
    {"two solid threes", {{3, 5}, {4, 5}, {5, 3}, {5, 4}}, {}, 有, 無},
    {"the stone in the middle of a three", {{3, 5}, {4, 5}, {5, 4}, {5, 6}}, {}, 有, 無},
    {"a broken three, gap before the stone", {{2, 5}, {3, 5}, {5, 3}, {5, 4}}, {}, 有, 無},
    {"a broken three, gap after the stone", {{7, 5}, {8, 5}, {5, 3}, {5, 4}}, {}, 有, 無},
    {"a three closed by the opponent", {{3, 5}, {4, 5}, {5, 3}, {5, 4}}, {{2, 5}}, 無, 無},
    {"a five beside two threes", {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 3}, {5, 4}, {3, 3}, {4, 4}},
     {}, 無, 無},
    {"a five beside two fours", {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 2}, {5, 3}, {5, 4}, {2, 2},
     {3, 3}, {4, 4}}, {}, 無, 無},
    {"two open fours", {{2, 5}, {3, 5}, {4, 5}, {5, 2}, {5, 3}, {5, 4}}, {}, 無, 有},
    {"a four open at one end", {{2, 5}, {3, 5}, {4, 5}, {5, 2}, {5, 3}, {5, 4}}, {{1, 5}}, 無, 有},
    {"a four closed at both ends", {{2, 5}, {3, 5}, {4, 5}, {5, 2}, {5, 3}, {5, 4}},
     {{1, 5}, {6, 5}}, 無, 無},
    {"second gap tried after the first fails", {{4, 5}, {7, 5}, {8, 5}, {5, 2}, {5, 3}, {5, 4}}, {},
     無, 有},
    {"a gap that would make six", {{4, 5}, {7, 5}, {8, 5}, {9, 5}, {5, 2}, {5, 3}, {5, 4}}, {},
     無, 無},
    {"a half whose end is closed is not tried", {{2, 5}, {3, 5}, {6, 5}, {5, 2}, {5, 3}, {5, 4}},
     {{4, 5}}, 無, 無},
    {"broken four: only the gap side must be open", {{3, 5}, {4, 5}, {7, 5}, {5, 2}, {5, 3},
     {5, 4}}, {{2, 5}}, 無, 有},
    {"broken four closed beyond its gap", {{3, 5}, {4, 5}, {7, 5}, {5, 2}, {5, 3}, {5, 4}},
     {{8, 5}}, 無, 無},
    {"broken four whose gap side ends at the edge", {{1, 5}, {2, 5}, {3, 5}, {5, 2}, {5, 3},
     {5, 4}}, {}, 無, 無},
    {"two threes on one line count once", {{2, 5}, {3, 5}, {7, 5}, {8, 5}}, {}, 無, 無},
    {"...and a second line refuses", {{2, 5}, {3, 5}, {7, 5}, {8, 5}, {5, 3}, {5, 4}}, {}, 有, 無},
    {"one three and one four", {{2, 5}, {3, 5}, {4, 5}, {5, 3}, {5, 4}}, {}, 無, 無},
    {"diagonal threes", {{3, 3}, {4, 4}, {7, 3}, {6, 4}}, {}, 有, 無},
    {"diagonal fours", {{2, 2}, {3, 3}, {4, 4}, {8, 2}, {7, 3}, {6, 4}}, {}, 無, 有},
    {"the opponent's shapes are not ours", {}, {{3, 5}, {4, 5}, {5, 3}, {5, 4}}, 無, 無},
};
// clang-format on

TEST(三三と四四, 五五への打ちの形ごとの判定) {
  for (const 禁手の例& e : 例) {
    対局状態 s = 局面(e.先手, e.後手);
    const 対局状態 before = s;
    EXPECT_EQ(s.調査_三三(先手持駒列, 6, 5, 5, 手番_先手, 先手_金), e.三三) << e.名前;
    EXPECT_EQ(s.調査_四四(先手持駒列, 6, 5, 5, 手番_先手, 先手_金), e.四四) << e.名前;
    EXPECT_EQ(s, before) << e.名前;
  }
}

// The lines are the squares of each three or four: a broken one without its gap.
TEST(三三と四四, 禁手の線は三や四を作る駒の桝を端から端まで並べる) {
  using 線 = 桝の並び;
  // A solid three across and a three broken before the stone down the column.
  対局状態 s = 局面({{3, 5}, {4, 5}, {5, 2}, {5, 3}});
  const 対局状態 before = s;
  EXPECT_EQ(s.三三の線(先手持駒列, 6, 5, 5, 手番_先手, 先手_金),
            (std::vector<線>{{{3, 5}, {4, 5}, {5, 5}}, {{5, 2}, {5, 3}, {5, 5}}}));
  EXPECT_EQ(s.四四の線(先手持駒列, 6, 5, 5, 手番_先手, 先手_金), std::vector<線>{});
  // Two fours on the diagonals, one broken after the stone; a lone three elsewhere is not one.
  s = 局面({{2, 2}, {3, 3}, {4, 4}, {7, 3}, {8, 2}, {6, 4}});
  EXPECT_EQ(s.四四の線(先手持駒列, 6, 5, 5, 手番_先手, 先手_金),
            (std::vector<線>{{{2, 2}, {3, 3}, {4, 4}, {5, 5}}, {{5, 5}, {6, 4}, {7, 3}, {8, 2}}}));
  s = 局面({{3, 5}, {4, 5}, {7, 5}, {5, 2}, {5, 3}, {5, 4}}, {{2, 5}});
  EXPECT_EQ(s.四四の線(先手持駒列, 6, 5, 5, 手番_先手, 先手_金),
            (std::vector<線>{{{3, 5}, {4, 5}, {5, 5}, {7, 5}}, {{5, 2}, {5, 3}, {5, 4}, {5, 5}}}));
  // A move that makes five is never refused, so no line makes it.
  s = 局面({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 3}, {5, 4}, {3, 3}, {4, 4}});
  EXPECT_EQ(s.三三の線(先手持駒列, 6, 5, 5, 手番_先手, 先手_金), std::vector<線>{});
  // A single three is one line: not a refusal.
  s = before;
  s.盤面[5][2] = 空;
  EXPECT_EQ(s.三三の線(先手持駒列, 6, 5, 5, 手番_先手, 先手_金).size(), 1U);
  s = before;
  s.三三の線(先手持駒列, 6, 5, 5, 手番_先手, 先手_金);
  EXPECT_EQ(s, before);
}

TEST(三三と四四, 盤端の一つ内側の三は開いていて盤端に接した三は閉じている) {
  EXPECT_EQ(局面({{2, 3}, {3, 3}, {4, 5}, {4, 6}}).調査_三三(11, 6, 4, 3, 手番_先手, 先手_金), 有);
  EXPECT_EQ(局面({{1, 3}, {2, 3}, {3, 5}, {3, 6}}).調査_三三(11, 6, 3, 3, 手番_先手, 先手_金), 無);
  EXPECT_EQ(局面({}, {{3, 5}, {4, 5}, {5, 3}, {5, 4}}).調査_三三(-1, 2, 5, 5, 手番_後手, 後手_金),
            有);
}

TEST(三三と四四, 盤上の移動では元の桝が空いた局面で調べ終われば元に戻す) {
  対局状態 s = 局面({{5, 3}, {5, 4}, {3, 5}, {4, 5}});
  s.盤面[5][6] = 先手_金;
  const 対局状態 before = s;
  EXPECT_EQ(s.調査_三三(5, 6, 5, 5, 手番_先手, 先手_金), 有);  // vertical three, not four
  EXPECT_EQ(s.調査_四四(5, 6, 5, 5, 手番_先手, 先手_金), 無);
  EXPECT_EQ(s.調査_三三(先手持駒列, 6, 5, 5, 手番_先手, 先手_金), 無);  // a drop: four + three
  EXPECT_EQ(s, before);
  // Calls outside the contract still restore exactly what stood there: an occupied
  // destination, a piece that is not the one on the source, squares off the board.
  s.盤面[5][5] = 後手_王;
  const 対局状態 occupied = s;
  s.調査_三三(5, 6, 5, 5, 手番_先手, 先手_飛成);
  s.調査_四四(5, 6, 5, 5, 手番_先手, 先手_飛成);
  s.調査_三三(5, 40, 5, 5, 手番_先手, 先手_金);
  EXPECT_EQ(s.調査_三三(5, 6, 10, 5, 手番_先手, 先手_金), 無);
  EXPECT_EQ(s.調査_四四(5, 6, std::numeric_limits<int>::min(), 5, 手番_先手, 先手_金), 無);
  EXPECT_EQ(s, occupied);
}

TEST(三三と四四, 自分のものでない駒や手番でも盤の外には書かず盤を乱さない) {
  対局状態 s = 局面({{2, 2}, {8, 8}, {2, 8}, {8, 2}, {5, 1}, {5, 9}, {1, 5}, {9, 5}});
  const 対局状態 before = s;
  for (int side : {手番_先手, 手番_後手, 手番_なし, 0}) {
    for (int piece : {空, 先手_金, 後手_金}) {
      for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
          if (s.盤面[x][y] != 空) continue;
          s.調査_三三(先手持駒列, 2, x, y, side, piece);
          s.調査_四四(後手持駒列, 8, x, y, side, piece);
          ASSERT_EQ(s, before) << side << " " << piece << " " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace brenvolt
