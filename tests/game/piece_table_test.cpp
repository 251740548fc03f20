#include "game/piece_table.h"

#include <gtest/gtest.h>

#include <limits>

#include "game/game_state.h"
#include "game/invariants.h"

namespace brenvolt {
namespace {

TEST(駒の表, 各駒の両側の形と種類と成りが互いに合う) {
  for (const 駒の形& 形 : 駒の表) {
    for (const int 駒 : {形.駒, -形.駒}) {
      EXPECT_EQ(駒の形を引く(駒), &形) << 駒;
      EXPECT_EQ(持駒種類(駒), 形.種類) << 駒;
      EXPECT_EQ(成り駒か(駒), 形.成り) << 駒;
      EXPECT_EQ(取得_手番(駒), 駒 < 0 ? 手番_先手 : 手番_後手) << 駒;
      EXPECT_EQ(種類の駒(取得_手番(駒), 形.種類) == 駒, !形.成り) << 駒;
    }
    EXPECT_EQ(成り先の駒(-形.駒), -形.成った駒);
    if (形.成った駒 == 空) continue;
    const 駒の形* 成った形 = 駒の形を引く(形.成った駒);
    ASSERT_NE(成った形, nullptr) << 形.駒;
    EXPECT_TRUE(成った形->成り);
    EXPECT_FALSE(形.成り);
    EXPECT_EQ(成った形->種類, 形.種類);
  }
  for (const int 駒 : {空, 後手_金成, 先手_金成, 12, -12, std::numeric_limits<int>::min(),
                       std::numeric_limits<int>::max()}) {
    EXPECT_EQ(駒の形を引く(駒), nullptr) << 駒;
    EXPECT_EQ(持駒種類(駒), 0) << 駒;
    EXPECT_EQ(成り先の駒(駒), 空) << 駒;
  }
}

TEST(駒の表, 持駒の種類は文字と初期数と持駒台の段で往復する) {
  int 合計 = 0;
  for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
    合計 += 種類の表[種類].初期数;
    EXPECT_EQ(文字の持駒種類(種類の表[種類].文字), 種類);
    EXPECT_EQ(持駒種類(種類の駒(手番_先手, 種類)), 種類);
    EXPECT_EQ(種類の駒(手番_後手, 種類), -種類の駒(手番_先手, 種類));
    for (const int 側 : {手番_先手, 手番_後手}) {
      const int 段 = 持駒の段(側, 種類);
      EXPECT_EQ(段の持駒スロット(側, 段), 種類) << 側;
      EXPECT_GE(段, 持駒台の最初の段(側));
      EXPECT_LT(段, 持駒台の最初の段(側) + 持駒種類数);
    }
  }
  EXPECT_EQ(合計, 片側の駒数);
  EXPECT_EQ(文字の持駒種類('p'), 0);
  EXPECT_EQ(文字の持駒種類('?'), 0);
  EXPECT_EQ(種類の駒(手番_なし, 1), 空);
  EXPECT_EQ(種類の駒(手番_先手, 0), 空);
  EXPECT_EQ(種類の駒(手番_先手, 持駒種類数 + 1), 空);
  EXPECT_EQ(段の持駒スロット(手番_先手, 1), 0);
  EXPECT_EQ(段の持駒スロット(手番_後手, 9), 0);
  for (const int 段 : {0, 10, -1}) EXPECT_EQ(段の持駒スロット(手番_先手, 段), -1);
  EXPECT_EQ(段の持駒スロット(手番_なし, 5), -1);
}

TEST(駒の表, 行き所のない段は盤の上の段だけで成った駒にはない) {
  for (int y = 1; y <= 盤サイズ; ++y) {
    EXPECT_EQ(行き所がある(先手_桂, y), y >= 3) << y;
    EXPECT_EQ(行き所がある(後手_香, y), y <= 8) << y;
    EXPECT_TRUE(行き所がある(先手_と, y));
    EXPECT_TRUE(行き所がある(後手_桂成, y));
    EXPECT_TRUE(行き所がある(先手_金, y));
  }
  for (const int y : {0, 10, -3}) EXPECT_TRUE(行き所がある(先手_歩, y)) << y;
}

}  // namespace
}  // namespace brenvolt
