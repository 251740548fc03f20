// The computer's choice: the game's search and the step-by-step one must both pass every case.
#include <gtest/gtest.h>

#include "computer/classic/computer.h"
#include "tests/computer/position.h"
#include "tests/support/reference_search.h"

namespace brenvolt {
namespace {

using testing::COM局面;
using testing::手持ちを空に;
using testing::持たせる;
using testing::置く;

using 探索関数 = std::optional<着手> (*)(対局状態&, int, 探索統計*);

class 探索 : public ::testing::TestWithParam<探索関数> {
 protected:
  // Runs the search and checks that it gave back the position exactly as it found it.
  std::optional<着手> 選ぶ(対局状態& 局) {
    const 盤 盤前 = 局.盤面;
    const 持駒 先手前 = 局.先手持駒数;
    const 持駒 後手前 = 局.後手持駒数;
    const int 先手合計 = 局.先手持駒合計;
    const int 後手合計 = 局.後手持駒合計;
    auto 手 = GetParam()(局, 局.手番, nullptr);
    EXPECT_EQ(局.盤面, 盤前);
    EXPECT_EQ(局.先手持駒数, 先手前);
    EXPECT_EQ(局.後手持駒数, 後手前);
    EXPECT_EQ(局.先手持駒合計, 先手合計);
    EXPECT_EQ(局.後手持駒合計, 後手合計);
    return 手;
  }
};

INSTANTIATE_TEST_SUITE_P(両方, 探索, ::testing::Values(&com_ban_探索, &reference::com_ban_探索),
                         [](const ::testing::TestParamInfo<探索関数>& 実装) {
                           return 実装.index == 0 ? "game" : "reference";
                         });

TEST_P(探索, 初手は中央への歩打ち) {
  auto 後手 = COM局面(手番_後手);
  後手.手数 = 0;
  EXPECT_EQ(選ぶ(後手), (着手{後手持駒列, 8, 5, 5, 後手_歩, 後手_歩}));
  auto 先手 = COM局面(手番_先手);
  先手.手数 = 0;
  EXPECT_EQ(選ぶ(先手), (着手{先手持駒列, 2, 5, 5, 先手_歩, 先手_歩}));
}

TEST_P(探索, 手数0でも中央が埋まっていれば探索する) {
  auto 局 = COM局面(手番_後手);
  局.手数 = 0;
  局.盤面[5][5] = 先手_歩;
  const auto 手 = 選ぶ(局);
  ASSERT_TRUE(手.has_value());
  EXPECT_FALSE(手->先X == 5 && 手->先Y == 5);
  EXPECT_EQ(調査_周囲駒有(局, 手->先X, 手->先Y), 有);
}

TEST_P(探索, 手数0でも規則が拒む中央の歩打ちはしない) {
  // A pawn of its own already stands in the centre column: the centre drop would be a
  // double pawn.
  auto 二歩 = COM局面(手番_先手);
  二歩.手数 = 0;
  置く(二歩, 5, 8, 先手_歩);
  持たせる(二歩, 手番_先手, 1, 1);
  const auto 手1 = 選ぶ(二歩);
  ASSERT_TRUE(手1.has_value());
  EXPECT_FALSE(手1->移動駒 == 先手_歩 && 手1->先X == 5) << 手1->元X << "," << 手1->元Y;

  // Two open twos of its own meet in the centre: a drop there is a double-three.
  auto 三三 = COM局面(手番_後手);
  三三.手数 = 0;
  for (const auto& [x, y] : {std::pair{3, 5}, {4, 5}, {5, 3}, {5, 4}}) 置く(三三, x, y, 後手_金);
  const auto 手2 = 選ぶ(三三);
  ASSERT_TRUE(手2.has_value());
  EXPECT_FALSE(手2->先X == 5 && 手2->先Y == 5);
}

TEST_P(探索, 持駒8枚以上なら盤上の駒は動かさない) {
  // The own five can be completed on (5, 5) by the gold on (5, 6) or by a drop alike.
  auto 局 = COM局面(手番_後手);
  for (int x = 1; x <= 4; ++x) 局.盤面[x][5] = 後手_金;
  局.盤面[5][6] = 後手_金;
  手持ちを空に(局, 手番_後手);
  持たせる(局, 手番_後手, 2, 2);
  持たせる(局, 手番_後手, 3, 2);
  持たせる(局, 手番_後手, 4, 1);
  持たせる(局, 手番_後手, 6, 1);
  持たせる(局, 手番_後手, 7, 1);
  持たせる(局, 手番_後手, 8, 1);
  ASSERT_EQ(局.取得_全持駒数(手番_後手), 8);
  auto 手 = 選ぶ(局);
  ASSERT_TRUE(手.has_value());
  EXPECT_EQ(手->元X, 後手持駒列);
  EXPECT_EQ(手->先X * 10 + 手->先Y, 55);

  // One piece fewer in hand: board moves come first, and the equal drop cannot replace it.
  持たせる(局, 手番_後手, 8, 0);
  EXPECT_EQ(選ぶ(局), (着手{5, 6, 5, 5, 後手_金, 後手_金}));
}

TEST_P(探索, 同点なら移動元の列が先) {
  auto 局 = COM局面(手番_後手);
  手持ちを空に(局, 手番_後手);
  局.盤面[3][8] = 後手_金;
  局.盤面[7][2] = 後手_金;
  EXPECT_EQ(選ぶ(局), (着手{3, 8, 2, 8, 後手_金, 後手_金}));
}

TEST_P(探索, 同点なら移動元の段それから移動先の列と段) {
  auto 局 = COM局面(手番_後手);
  手持ちを空に(局, 手番_後手);
  局.盤面[3][8] = 後手_金;
  局.盤面[3][2] = 後手_金;
  // Destinations of the gold on (3, 2): (2, 2) comes before (2, 3), and (2, 3) before (3, 1).
  EXPECT_EQ(選ぶ(局), (着手{3, 2, 2, 2, 後手_金, 後手_金}));
}

TEST_P(探索, 同点の打ちは持駒の段の順) {
  auto 先手 = COM局面(手番_先手);
  先手.盤面[5][5] = 後手_金;
  EXPECT_EQ(選ぶ(先手), (着手{先手持駒列, 2, 4, 4, 先手_歩, 先手_歩}));

  auto 後手 = COM局面(手番_後手);
  後手.盤面[5][5] = 先手_金;
  EXPECT_EQ(選ぶ(後手), (着手{後手持駒列, 1, 4, 4, 後手_王, 後手_王}));
  持たせる(後手, 手番_後手, 8, 0);
  EXPECT_EQ(選ぶ(後手), (着手{後手持駒列, 2, 4, 4, 後手_飛, 後手_飛}));
}

TEST_P(探索, 行き所のない成りは必ず成る) {
  auto 歩 = COM局面(手番_先手);
  手持ちを空に(歩, 手番_先手);
  歩.盤面[5][2] = 先手_歩;
  EXPECT_EQ(選ぶ(歩), (着手{5, 2, 5, 1, 先手_歩, 先手_と}));

  auto 桂 = COM局面(手番_後手);
  手持ちを空に(桂, 手番_後手);
  桂.盤面[4][6] = 後手_桂;
  EXPECT_EQ(選ぶ(桂), (着手{4, 6, 3, 8, 後手_桂, 後手_桂成}));

  auto 香 = COM局面(手番_後手);
  手持ちを空に(香, 手番_後手);
  香.盤面[2][6] = 後手_香;
  香.盤面[2][9] = 先手_金;  // the lance can only reach (2, 7) and (2, 8)
  EXPECT_EQ(選ぶ(香), (着手{2, 6, 2, 7, 後手_香, 後手_香}));
  香.盤面[2][9] = 空;
  香.盤面[2][7] = 先手_金;
  香.盤面[2][6] = 空;
  香.盤面[2][8] = 後手_香;
  EXPECT_EQ(選ぶ(香), (着手{2, 8, 2, 9, 後手_香, 後手_香成}));
}

TEST_P(探索, 任意の成りは点が上回らない限り成らない) {
  auto 局 = COM局面(手番_先手);
  手持ちを空に(局, 手番_先手);
  局.盤面[5][4] = 先手_銀;  // (4, 3) enters the zone: promotion is allowed there, not forced
  EXPECT_EQ(選ぶ(局), (着手{5, 4, 4, 3, 先手_銀, 先手_銀}));
  auto 角 = COM局面(手番_後手);
  手持ちを空に(角, 手番_後手);
  角.盤面[1][6] = 後手_角;
  EXPECT_EQ(選ぶ(角), (着手{1, 6, 2, 5, 後手_角, 後手_角}));
  角.盤面[1][6] = 空;
  角.盤面[1][8] = 後手_角;  // every move starts in the zone
  EXPECT_EQ(選ぶ(角), (着手{1, 8, 2, 7, 後手_角, 後手_角}));
}

TEST_P(探索, 三三や四四になる手は点が高くても指さない) {
  // Pawns move away from (5, 5); only the silver on (6, 4) and a drop can reach it.
  auto 局 = COM局面(手番_後手);
  for (int i : {2, 3, 4}) 局.盤面[i][5] = 後手_歩;
  for (int i : {6, 7, 8}) 局.盤面[5][i] = 後手_歩;
  局.盤面[6][4] = 後手_銀;
  手持ちを空に(局, 手番_後手);
  持たせる(局, 手番_後手, 5, 1);
  ASSERT_EQ(局.調査_四四(6, 4, 5, 5, 手番_後手, 後手_銀), 有);
  // (5, 5) would be an open four twice over; the four on (1, 5) is the best allowed.
  EXPECT_EQ(選ぶ(局), (着手{後手持駒列, 4, 1, 5, 後手_金, 後手_金}));

  局.盤面[2][5] = 空;
  局.盤面[5][8] = 空;
  ASSERT_EQ(局.調査_三三(6, 4, 5, 5, 手番_後手, 後手_銀), 有);
  const auto 手 = 選ぶ(局);
  ASSERT_TRUE(手.has_value());
  EXPECT_FALSE(手->先X == 5 && 手->先Y == 5);
}

TEST_P(探索, 候補がなければ指さない) {
  // No piece next to any square, so no drop; the hand is full, so no board move either.
  auto 空盤 = COM局面(手番_後手);
  EXPECT_EQ(選ぶ(空盤), std::nullopt);

  // A pawn on its last row cannot move, and the hand is empty.
  auto 詰 = COM局面(手番_先手);
  手持ちを空に(詰, 手番_先手);
  詰.盤面[5][1] = 先手_歩;
  詰.盤面[6][6] = 後手_金;
  EXPECT_EQ(選ぶ(詰), std::nullopt);
}

TEST_P(探索, 最初の候補は負の点でも採る) {
  auto 局 = COM局面(手番_後手);
  手持ちを空に(局, 手番_後手);
  for (int x = 1; x <= 4; ++x) 局.盤面[x][6] = 先手_金;
  局.盤面[5][6] = 後手_金;  // every move of it uncovers the person's five point
  EXPECT_EQ(選ぶ(局), (着手{5, 6, 4, 7, 後手_金, 後手_金}));
}

TEST(探索統計, 逐語探索は得点計算を一つずつ数える) {
  auto 局 = COM局面(手番_先手);
  手持ちを空に(局, 手番_先手);
  局.盤面[5][4] = 先手_銀;
  探索統計 統計;
  reference::com_ban_探索(局, 局.手番, &統計);
  // Three moves into the zone are scored promoted and unpromoted, two moves back once each.
  EXPECT_EQ(統計.得点計算数, 8u);
  探索統計 速;
  com_ban_探索(局, 局.手番, &速);
  EXPECT_GT(速.得点計算数, 0u);
  EXPECT_LE(速.得点計算数, 統計.得点計算数);
}

}  // namespace
}  // namespace brenvolt
