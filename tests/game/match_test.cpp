// The match: a game started, played, taken back, replayed and sent to move N keeps its
// position, record and outcome in step.
#include "game/match.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/random_match.h"

namespace brenvolt {
namespace {

using testing::乱数対局;

// Moves the cursor to n one take-back or replay at a time.
void 一手ずつ(対局& game, int n) {
  while (game.記録.記録数 > n && game.戻す()) {
  }
  while (game.記録.記録数 < n && game.進める()) {
  }
}

TEST(対局, 開始は記録と勝敗を忘れ対局者はそのまま) {
  対局 game = 乱数対局(1, 12);
  game.COM対局の側(手番_後手);
  game.開始();
  EXPECT_EQ(game.局.手番, 手番_先手);
  EXPECT_EQ(game.局.対局中, 有);
  EXPECT_EQ(game.局.手数, 0);
  EXPECT_EQ(game.局.先手持駒合計, 11);
  EXPECT_EQ(game.局.後手持駒合計, 11);
  EXPECT_EQ(game.記録.記録終端, 0);
  EXPECT_EQ(game.勝者, 0);
  EXPECT_EQ(game.対局モード, モード_COM);
  EXPECT_EQ(game.COM側, 手番_先手);
  EXPECT_EQ(game.人間歩, 後手_歩);
}

// Going to move N from any cursor leaves exactly what stepping there leaves, and going back to
// the end restores the game as it was played, a five ending it again.
TEST(対局, 手目へは一手ずつ戻し進めたのと同じ局面になる) {
  SplitMix64 random(77);
  int 五で終わった = 0;
  for (int g = 0; g < 60; ++g) {
    対局 played = 乱数対局(1000 + g, 20 + static_cast<int>(random.below(60)));
    五で終わった += played.勝負あり() ? 1 : 0;
    const int 終端 = played.記録.記録終端;
    ASSERT_EQ(played.記録.記録数, 終端);
    for (int k = 0; k < 4; ++k) {
      対局 start = played;
      一手ずつ(start, static_cast<int>(random.below(終端 + 1)));
      const int n = static_cast<int>(random.below(終端 + 1));
      対局 jumped = start;
      jumped.手目へ(n);
      対局 stepped = start;
      一手ずつ(stepped, n);
      ASSERT_EQ(jumped, stepped) << "game " << g << " to move " << n;
      EXPECT_EQ(jumped.局.手数, n);
      jumped.手目へ(終端);
      EXPECT_EQ(jumped, played) << "game " << g << " back from move " << n;
    }
  }
  EXPECT_GT(五で終わった, 0);
}

TEST(対局, 手目へは記録の範囲に収める) {
  const 対局 played = 乱数対局(5, 10);
  対局 before = played;
  before.手目へ(-3);
  EXPECT_EQ(before.記録.記録数, 0);
  対局 after = before;
  after.手目へ(played.記録.記録終端 + 7);
  EXPECT_EQ(after, played);
}

TEST(対局, 五を戻すと勝者が消えて指した側の番に戻る) {
  対局 game;
  for (std::uint64_t seed = 1; !game.勝負あり(); ++seed) game = 乱数対局(seed, 200);
  const int 勝ち = game.勝者;
  EXPECT_EQ(game.局.対局中, 無);
  ASSERT_TRUE(game.戻す());
  EXPECT_EQ(game.勝者, 0);
  EXPECT_EQ(game.局.対局中, 有);
  EXPECT_EQ(game.局.手番, 勝ち);
  ASSERT_TRUE(game.進める());
  EXPECT_EQ(game.勝者, 勝ち);
  EXPECT_EQ(game.局.対局中, 無);
}

}  // namespace
}  // namespace brenvolt
