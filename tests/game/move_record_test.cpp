#include "game/move_record.h"

#include <gtest/gtest.h>

#include <vector>

namespace brenvolt {
namespace {

// A start position built by hand so these tests need nothing but the record.
対局状態 開始局面() {
  対局状態 局;
  for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
    局.先手持駒数[種類] = 種類 <= 3 ? 2 : 1;
    局.後手持駒数[種類] = 種類 <= 3 ? 2 : 1;
  }
  局.先手持駒合計 = 11;
  局.後手持駒合計 = 11;
  局.手番 = 手番_先手;
  局.対局中 = 有;
  return 局;
}

// Plays a move on the state the way the game does: record first, then board and hand.
void 指す(手順記録& 記録, 対局状態& 局, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒) {
  ASSERT_TRUE(記録.記録_追加(局, 元X, 元Y, 先X, 先Y, 元駒, 先駒));
  if (元X == 先手持駒列) {
    --局.先手持駒数[持駒種類(元駒)];
    --局.先手持駒合計;
  } else if (元X == 後手持駒列) {
    --局.後手持駒数[持駒種類(元駒)];
    --局.後手持駒合計;
  } else {
    局.盤面[元X][元Y] = 空;
  }
  局.盤面[先X][先Y] = 先駒;
  ++局.手数;
  局.手番 = 元駒 < 0 ? 手番_後手 : 手番_先手;
}

TEST(持駒種類, 両方の手番と成駒は同じ種類になり駒でない値は0になる) {
  const int 先手の駒[] = {先手_歩, 先手_香, 先手_桂, 先手_銀, 先手_金, 先手_角, 先手_飛, 先手_王};
  for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
    EXPECT_EQ(持駒種類(先手の駒[種類 - 1]), 種類);
    EXPECT_EQ(持駒種類(-先手の駒[種類 - 1]), 種類);
  }
  EXPECT_EQ(持駒種類(先手_と), 1);
  EXPECT_EQ(持駒種類(後手_桂成), 3);
  EXPECT_EQ(持駒種類(先手_銀成), 4);
  EXPECT_EQ(持駒種類(後手_角成), 6);
  EXPECT_EQ(持駒種類(先手_飛成), 7);
  for (int 駒 : {空, 先手_金成, 後手_金成, 12, -951, 1, 手番_なし})
    EXPECT_EQ(持駒種類(駒), 0) << 駒;
}

TEST(手順記録_追加, 取駒は移動前の行き先から読み戻した手の後ろは捨てる) {
  手順記録 記録;
  対局状態 局 = 開始局面();
  指す(記録, 局, 先手持駒列, 2, 5, 5, 先手_歩, 先手_歩);
  指す(記録, 局, 後手持駒列, 8, 4, 4, 後手_歩, 後手_歩);
  指す(記録, 局, 先手持駒列, 3, 6, 6, 先手_香, 先手_香);
  EXPECT_EQ(記録.記録数, 3);
  EXPECT_EQ(記録.記録終端, 3);
  EXPECT_EQ(記録.記録_項目(2), (手順{後手持駒列, 8, 4, 4, 後手_歩, 後手_歩, 空}));

  ASSERT_TRUE(記録.記録_一手戻す(局));
  ASSERT_TRUE(記録.記録_一手戻す(局));
  EXPECT_EQ(記録.記録数, 1);
  EXPECT_EQ(記録.記録終端, 3);
  指す(記録, 局, 後手持駒列, 1, 5, 4, 後手_王, 後手_王);
  EXPECT_EQ(記録.記録数, 2);
  EXPECT_EQ(記録.記録終端, 2);
  EXPECT_EQ(記録.記録_項目(2).先駒, 後手_王);
  EXPECT_FALSE(記録.記録_一手進める(局));
  EXPECT_EQ(記録.記録_項目(3), 手順{}) << "a discarded entry is not readable";
}

TEST(手順記録_追加, 行き先の駒は後から決められる) {
  手順記録 記録;
  対局状態 局 = 開始局面();
  局.盤面[3][2] = 先手_歩;
  ASSERT_TRUE(記録.記録_追加(局, 3, 2, 3, 1, 先手_歩, 局.盤面[3][1]));
  EXPECT_EQ(記録.記録_項目(1).先駒, 空);
  記録.記録_先駒変更(先手_と);
  局.盤面[3][2] = 空;
  局.盤面[3][1] = 先手_と;
  ASSERT_TRUE(記録.記録_一手戻す(局));
  EXPECT_EQ(局.盤面[3][2], 先手_歩);
  ASSERT_TRUE(記録.記録_一手進める(局));
  EXPECT_EQ(局.盤面[3][1], 先手_と);
}

TEST(手順記録_追加, 盤に置けない手は何も書かずに断る) {
  手順記録 記録;
  const 対局状態 局 = 開始局面();
  EXPECT_FALSE(記録.記録_追加(局, 5, 5, 0, 3, 先手_金, 先手_金));
  EXPECT_FALSE(記録.記録_追加(局, 5, 5, 3, 10, 先手_金, 先手_金));
  EXPECT_FALSE(記録.記録_追加(局, 10, 5, 3, 3, 先手_金, 先手_金));
  EXPECT_FALSE(記録.記録_追加(局, 先手持駒列, 0, 3, 3, 先手_金, 先手_金));
  EXPECT_FALSE(記録.記録_追加(局, 5, 5, 3, 3, 空, 先手_金));
  EXPECT_FALSE(記録.記録_追加(局, 5, 5, 3, 3, 先手_金成, 先手_金成));
  EXPECT_EQ(記録.記録数, 0);
  EXPECT_EQ(記録.記録終端, 0);
}

TEST(手順記録_追加, 上限の手を記録した後は満杯で書き込まない) {
  手順記録 記録;
  対局状態 局 = 開始局面();
  for (int i = 1; i <= 記録上限; ++i) {
    ASSERT_FALSE(記録.記録_満杯()) << i;
    ASSERT_TRUE(記録.記録_追加(局, 5, 5, 5, 4, 先手_金, 先手_金)) << i;
  }
  EXPECT_TRUE(記録.記録_満杯());
  EXPECT_FALSE(記録.記録_追加(局, 4, 4, 4, 3, 後手_銀, 後手_銀));
  EXPECT_EQ(記録.記録数, 記録上限);
  EXPECT_EQ(記録.記録終端, 記録上限);
  EXPECT_EQ(記録.記録_項目(記録上限).元駒, 先手_金);
  記録.記録_先駒変更(後手_飛成);
  EXPECT_EQ(記録.記録_項目(記録上限).先駒, 先手_金) << "the arriving piece keeps its owner";
  記録.記録_先駒変更(先手_飛成);
  EXPECT_EQ(記録.記録_項目(記録上限).先駒, 先手_飛成);

  ASSERT_TRUE(記録.記録_一手戻す(局));
  EXPECT_FALSE(記録.記録_満杯());
}

TEST(手順記録_戻す進める, 端では断り局面も記録も変えない) {
  手順記録 記録;
  対局状態 局 = 開始局面();
  EXPECT_FALSE(記録.記録_一手戻す(局));
  EXPECT_FALSE(記録.記録_一手進める(局));
  指す(記録, 局, 先手持駒列, 2, 5, 5, 先手_歩, 先手_歩);
  const 対局状態 後 = 局;
  EXPECT_FALSE(記録.記録_一手進める(局));
  EXPECT_EQ(局, 後);
  EXPECT_EQ(記録.記録数, 1);
}

TEST(手順記録_戻す進める, 全部戻して全部進めると同じ局面になり手数と記録数が揃う) {
  手順記録 記録;
  対局状態 局 = 開始局面();
  std::vector<対局状態> 途中{局};
  指す(記録, 局, 先手持駒列, 2, 5, 5, 先手_歩, 先手_歩);
  途中.push_back(局);
  指す(記録, 局, 後手持駒列, 6, 5, 3, 後手_桂, 後手_桂);
  途中.push_back(局);
  指す(記録, 局, 5, 5, 5, 4, 先手_歩, 先手_歩);
  途中.push_back(局);
  指す(記録, 局, 5, 3, 4, 5, 後手_桂, 後手_桂);
  途中.push_back(局);

  for (int n = 3; n >= 0; --n) {
    ASSERT_TRUE(記録.記録_一手戻す(局));
    EXPECT_EQ(局, 途中[n]) << n;
    EXPECT_EQ(記録.記録数, 局.手数);
  }
  局.対局中 = 無;
  for (int n = 1; n <= 4; ++n) {
    ASSERT_TRUE(記録.記録_一手進める(局));
    対局状態 期待 = 途中[n];
    期待.対局中 = 無;
    EXPECT_EQ(局, 期待) << n;
    EXPECT_EQ(記録.記録数, 局.手数);
  }
  EXPECT_EQ(局.対局中, 無) << "replaying does not restart a finished game";
  ASSERT_TRUE(記録.記録_一手戻す(局));
  EXPECT_EQ(局.対局中, 有) << "taking back resumes the game";
}

}  // namespace
}  // namespace brenvolt
