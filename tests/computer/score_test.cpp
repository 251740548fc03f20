// The evaluation ladder, checked on the plain 調査_得点 and on the search board the game's
// search scores with: every case must give the same score both ways.
#include <gtest/gtest.h>

#include "computer/classic/computer.h"
#include "computer/classic/score_levels.h"
#include "computer/classic/scoring_board.h"
#include "tests/computer/position.h"

namespace brenvolt {
namespace {

using testing::COM局面;

constexpr int 自 = 後手_金;  // the computer plays 後手 unless a test says otherwise
constexpr int 敵 = 先手_金;

bool 盤上(int x) {
  return x >= 1 && x <= 盤サイズ;
}

// Scores the candidate on the position before it: the search board directly, 調査_得点 after
// making the move on the board as the search does.
int 採点(対局状態 局, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
  classic::ScoringBoard 探盤(局, 局.手番);
  const int 先 = classic::square(先X, 先Y);
  const int 高速 =
      盤上(元X) ? 探盤.move_score(classic::square(元X, 元Y), 先, 得点_初期値) : 探盤.drop_score(先);
  if (盤上(元X)) 局.盤面[元X][元Y] = 空;
  局.盤面[先X][先Y] = 駒;
  const int 逐語 = 調査_得点(局, 局.手番, 元X, 元Y, 先X, 先Y);
  EXPECT_EQ(逐語, 高速) << "candidate (" << 元X << "," << 元Y << ")->(" << 先X << "," << 先Y << ")";
  return 逐語;
}

int 打ち採点(const 対局状態& 局, int 先X, int 先Y) {
  const int 駒 = 局.手番 == 手番_後手 ? 後手_金 : 先手_金;
  return 採点(局, 局.手番 == 手番_後手 ? 後手持駒列 : 先手持駒列, 4, 先X, 先Y, 駒);
}

void 並べる(対局状態& 局, std::initializer_list<std::pair<int, int>> 桝, int 駒) {
  for (auto [x, y] : 桝) 局.盤面[x][y] = 駒;
}

TEST(調査_得点, 自分の五は最上位で長連は五ではない) {
  auto 局 = COM局面(手番_後手);
  並べる(局, {{1, 5}, {2, 5}, {3, 5}, {4, 5}}, 自);
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_自五);
  局.盤面[6][5] = 自;  // (5, 5) now makes six: no five, and nothing else on that line
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_なし);

  auto 先手局 = COM局面(手番_先手);
  並べる(先手局, {{5, 1}, {5, 2}, {5, 4}, {5, 5}}, 先手_銀);
  EXPECT_EQ(打ち採点(先手局, 5, 3), 得点_自五);
}

TEST(調査_得点, 相手の五の点は打ちなら900で盤上移動なら1000) {
  auto 局 = COM局面(手番_後手);
  並べる(局, {{1, 5}, {2, 5}, {3, 5}, {4, 5}}, 敵);
  局.盤面[5][6] = 自;
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_敵五点);
  EXPECT_EQ(採点(局, 5, 6, 5, 5, 自), 得点_五阻止);
  // A five point inside the person's line (a gap) counts the same.
  auto 間 = COM局面(手番_先手);
  並べる(間, {{3, 2}, {3, 3}, {3, 5}, {3, 6}}, 後手_歩);
  EXPECT_EQ(打ち採点(間, 3, 4), 得点_敵五点);
}

TEST(調査_得点, 移動元が相手の五の点を開くと負になるが自分の五が優先) {
  auto 局 = COM局面(手番_後手);
  並べる(局, {{1, 6}, {2, 6}, {3, 6}, {4, 6}}, 敵);  // the person's five point is (5, 6)
  局.盤面[5][6] = 自;
  EXPECT_EQ(採点(局, 5, 6, 5, 7, 自), 得点_五開放);
  // The same move when it also completes the computer's own five in column 6.
  auto 五局 = COM局面(手番_後手);
  並べる(五局, {{1, 6}, {2, 6}, {3, 6}, {4, 6}}, 敵);
  並べる(五局, {{6, 3}, {6, 4}, {6, 5}, {6, 7}}, 自);
  五局.盤面[5][6] = 自;
  EXPECT_EQ(採点(五局, 5, 6, 6, 6, 自), 得点_自五);
}

TEST(調査_得点, 外周では四の阻止を飛ばして次の段へ) {
  // The person's three below (5, 1) can only be closed there, the edge closing the other end.
  auto 外 = COM局面(手番_後手);
  並べる(外, {{5, 2}, {5, 3}, {5, 4}, {3, 1}, {4, 1}}, 敵);
  EXPECT_EQ(打ち採点(外, 5, 1), 得点_敵三両開阻止);
  外.盤面[3][1] = 空;
  EXPECT_EQ(打ち採点(外, 5, 1), 得点_なし);

  // The same shapes one row inside, the column closed by an own piece on (5, 1).
  auto 内 = COM局面(手番_後手);
  並べる(内, {{5, 3}, {5, 4}, {5, 5}, {3, 2}, {4, 2}}, 敵);
  内.盤面[5][1] = 自;
  EXPECT_EQ(打ち採点(内, 5, 2), 得点_敵四阻止);
}

TEST(調査_得点, 端に接する四は片開きで両端を塞がれた四は無得点) {
  auto 局 = COM局面(手番_後手);
  並べる(局, {{1, 5}, {2, 5}, {3, 5}}, 自);
  EXPECT_EQ(打ち採点(局, 4, 5), 得点_自四);

  auto 塞 = COM局面(手番_後手);
  並べる(塞, {{2, 5}, {3, 5}, {4, 5}}, 自);
  並べる(塞, {{1, 5}, {6, 5}}, 敵);
  EXPECT_EQ(打ち採点(塞, 5, 5), 得点_なし);
  塞.盤面[1][5] = 空;
  EXPECT_EQ(打ち採点(塞, 5, 5), 得点_自四);
  塞.盤面[6][5] = 空;
  EXPECT_EQ(打ち採点(塞, 5, 5), 得点_自四両開);
}

TEST(調査_得点, 最初に当てはまる段が決める) {
  auto 局 = COM局面(手番_後手);
  並べる(局, {{3, 5}, {4, 5}}, 自);          // own open three through (5, 5)
  並べる(局, {{5, 3}, {5, 4}}, 敵);          // the person's open three
  並べる(局, {{4, 4}, {3, 3}, {2, 2}}, 敵);  // the person's four, closed at (1, 1)
  局.盤面[1][1] = 自;
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_自三両開);
  局.盤面[3][5] = 空;
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_敵四阻止);
  局.盤面[2][2] = 空;
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_敵三両開阻止);
  並べる(局, {{5, 3}, {5, 4}, {4, 4}, {3, 3}}, 空);
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_自二両開);  // (4, 5) with (3, 5) and (6, 5) empty
  局.盤面[4][5] = 空;
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_なし);
}

TEST(調査_得点, 両開きの四同士では自分の四が上で片開きなら相手の阻止が上) {
  auto 局 = COM局面(手番_先手);
  並べる(局, {{2, 5}, {3, 5}, {4, 5}}, 先手_歩);
  並べる(局, {{5, 2}, {5, 3}, {5, 4}}, 後手_歩);
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_自四両開);
  局.盤面[1][5] = 後手_歩;
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_敵四両開阻止);
  局.盤面[5][1] = 先手_歩;
  EXPECT_EQ(打ち採点(局, 5, 5), 得点_自四);
}

TEST(調査_周囲駒有, 隣の八桝だけを見る) {
  auto 局 = COM局面(手番_後手);
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) EXPECT_EQ(調査_周囲駒有(局, x, y), 無);
  }
  局.盤面[5][5] = 敵;
  EXPECT_EQ(調査_周囲駒有(局, 5, 5), 無);  // the square itself does not count
  EXPECT_EQ(調査_周囲駒有(局, 4, 4), 有);
  EXPECT_EQ(調査_周囲駒有(局, 6, 6), 有);
  EXPECT_EQ(調査_周囲駒有(局, 5, 3), 無);
  EXPECT_EQ(調査_周囲駒有(局, 7, 5), 無);

  auto 隅 = COM局面(手番_後手);
  隅.盤面[2][2] = 自;
  EXPECT_EQ(調査_周囲駒有(隅, 1, 1), 有);
  隅.盤面[2][2] = 空;
  隅.盤面[3][3] = 自;
  EXPECT_EQ(調査_周囲駒有(隅, 1, 1), 無);
  隅.盤面[9][8] = 自;
  EXPECT_EQ(調査_周囲駒有(隅, 9, 9), 有);
}

}  // namespace
}  // namespace brenvolt
