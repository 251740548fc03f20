// Random positions: the game's search against the step-by-step one, and every choice against
// the rules.
#include <gtest/gtest.h>

#include <random>

#include "computer/classic/computer.h"
#include "computer/classic/move_generation.h"
#include "computer/classic/score_levels.h"
#include "computer/classic/scoring_board.h"
#include "tests/computer/position.h"
#include "tests/support/reference_search.h"

namespace brenvolt {
namespace {

using testing::乱数局面;

constexpr int 局面数 = 2000;

// The move must be one the rules accept for the computer's side in this position.
void 合法か(対局状態 局, const 着手& 手) {
  const bool 打ち = 手.元X == 先手持駒列 || 手.元X == 後手持駒列;
  局.調査_2歩フラグ設定();
  if (打ち) {
    EXPECT_EQ(手.元X, 局.手番 == 手番_先手 ? 先手持駒列 : 後手持駒列);
    EXPECT_GT(局.取得_持駒数(局.手番, 手.元Y), 0);
    EXPECT_EQ(手.移動駒, 局.取得_持駒(局.手番, 手.元Y));
    EXPECT_EQ(手.置駒, 手.移動駒);
    EXPECT_EQ(調査_周囲駒有(局, 手.先X, 手.先Y), 有);
  } else {
    EXPECT_LT(局.取得_全持駒数(局.手番), 8);
    EXPECT_EQ(局.盤面[手.元X][手.元Y], 手.移動駒);
    EXPECT_EQ(調査_駒(局.手番, 手.移動駒), 有);
    const int 成った駒 = 局.調査_駒成(手.元X, 手.元Y, 手.先X, 手.先Y, 手.移動駒);
    const bool 強制 = 移動後チェック(手.先Y, 手.移動駒) == 無;
    if (手.置駒 != 手.移動駒) {
      EXPECT_NE(成った駒, 空);
      EXPECT_EQ(手.置駒, 成った駒);
    }
    if (強制) {
      EXPECT_NE(手.置駒, 手.移動駒);
    }
  }
  EXPECT_EQ(局.移動チェック(手.元X, 手.元Y, 手.先X, 手.先Y, 手.移動駒), 有);
  EXPECT_EQ(局.調査_三三(手.元X, 手.元Y, 手.先X, 手.先Y, 局.手番, 手.移動駒), 無);
  EXPECT_EQ(局.調査_四四(手.元X, 手.元Y, 手.先X, 手.先Y, 局.手番, 手.移動駒), 無);
}

TEST(乱数局面, 両探索は同じ手を選び局面を元のまま返す) {
  std::mt19937 rng(20261207);
  int 指した = 0;
  int 打った = 0;
  for (int i = 0; i < 局面数; ++i) {
    const 対局状態 元 = 乱数局面(rng);
    対局状態 速 = 元;
    対局状態 逐 = 元;
    const auto 速手 = com_ban_探索(速, 速.手番, nullptr);
    const auto 逐手 = reference::com_ban_探索(逐, 逐.手番, nullptr);
    ASSERT_EQ(速手, 逐手) << "position " << i;
    // Both searches refresh the double-pawn flags and change nothing else.
    対局状態 期待 = 元;
    期待.調査_2歩フラグ設定();
    EXPECT_EQ(速, 期待) << "position " << i;
    EXPECT_EQ(逐, 期待) << "position " << i;
    if (!速手) continue;
    SCOPED_TRACE(::testing::Message() << "position " << i);
    合法か(元, *速手);
    (速手->元X >= 1 && 速手->元X <= 盤サイズ ? 指した : 打った)++;
  }
  // The positions must exercise both kinds of move, or the comparison proves little.
  EXPECT_GT(指した, 局面数 / 10);
  EXPECT_GT(打った, 局面数 / 10);
}

// Every candidate of a position, scored and tested on the search board and by the plain
// procedures on the live board.
void 全候補を比べる(const 対局状態& 元) {
  対局状態 局 = 元;
  局.調査_2歩フラグ設定();
  const 対局状態 始め = 局;
  classic::ScoringBoard 探盤(局, 局.手番);
  const int 側 = 局.手番;
  auto 比べる = [&](int 元X, int 元Y, int 先X, int 先Y, int 駒) {
    const bool 盤上 = 元X >= 1 && 元X <= 盤サイズ;
    const int 先 = classic::square(先X, 先Y);
    const int 元桝 = 盤上 ? classic::square(元X, 元Y) : 0;
    const bool 禁 = 局.調査_三三(元X, 元Y, 先X, 先Y, 側, 駒) == 有 ||
                    局.調査_四四(元X, 元Y, 先X, 先Y, 側, 駒) == 有;
    EXPECT_EQ(盤上 ? 探盤.move_forbidden(元桝, 先) : 探盤.drop_forbidden(先), 禁)
        << 元X << "," << 元Y << "->" << 先X << "," << 先Y;
    const int 速 = 盤上 ? 探盤.move_score(元桝, 先, 得点_初期値) : 探盤.drop_score(先);
    if (盤上) 局.盤面[元X][元Y] = 空;
    局.盤面[先X][先Y] = 駒;
    EXPECT_EQ(調査_得点(局, 局.手番, 元X, 元Y, 先X, 先Y), 速)
        << 元X << "," << 元Y << "->" << 先X << "," << 先Y;
    局.盤面[先X][先Y] = 空;
    if (盤上) 局.盤面[元X][元Y] = 駒;
    // A bounded score must still tell whether the candidate beats the bound.
    for (int 限 : {得点_五開放, 得点_なし, 得点_自三両開, 得点_五阻止}) {
      if (!盤上) break;
      const int 限付き = 探盤.move_score(元桝, 先, 限);
      EXPECT_EQ(限付き > 限, 速 > 限);
      if (速 > 限) {
        EXPECT_EQ(限付き, 速);
      }
    }
  };
  for (int 元X = 1; 元X <= 盤サイズ; ++元X) {
    for (int 元Y = 1; 元Y <= 盤サイズ; ++元Y) {
      const int 駒 = 局.盤面[元X][元Y];
      if (調査_駒(側, 駒) != 有) continue;
      for (int 先X = 1; 先X <= 盤サイズ; ++先X) {
        for (int 先Y = 1; 先Y <= 盤サイズ; ++先Y) {
          if (局.移動チェック(元X, 元Y, 先X, 先Y, 駒) == 有) 比べる(元X, 元Y, 先X, 先Y, 駒);
        }
      }
    }
  }
  const int 列 = 側 == 手番_先手 ? 先手持駒列 : 後手持駒列;
  const int 駒 = 側 == 手番_先手 ? 先手_金 : 後手_金;
  for (int 先X = 1; 先X <= 盤サイズ; ++先X) {
    for (int 先Y = 1; 先Y <= 盤サイズ; ++先Y) {
      if (局.盤面[先X][先Y] == 空) 比べる(列, 4, 先X, 先Y, 駒);
    }
  }
  EXPECT_EQ(局, 始め);
}

TEST(乱数局面, 候補ごとの得点と禁手判定は手順どおりの答えと一致する) {
  std::mt19937 rng(7);
  for (int i = 0; i < 局面数 / 4; ++i) {
    SCOPED_TRACE(::testing::Message() << "position " << i);
    全候補を比べる(乱数局面(rng));
    if (HasFailure()) break;
  }
}

// The search generates destinations itself instead of asking 移動チェック square by square;
// both must agree on every piece of either side, and on every drop.
TEST(乱数局面, 移動先と打てる桝は移動チェックと一致する) {
  std::mt19937 rng(11);
  for (int i = 0; i < 局面数 / 4; ++i) {
    対局状態 局 = 乱数局面(rng);
    局.調査_2歩フラグ設定();
    const classic::ScoringBoard 探盤(局, 局.手番);
    for (int 元X = 1; 元X <= 盤サイズ; ++元X) {
      for (int 元Y = 1; 元Y <= 盤サイズ; ++元Y) {
        const int 駒 = 局.盤面[元X][元Y];
        if (駒 == 空) continue;
        盤 期待{};
        for (int x = 1; x <= 盤サイズ; ++x) {
          for (int y = 1; y <= 盤サイズ; ++y) 期待[x][y] = 局.移動チェック(元X, 元Y, x, y, 駒);
        }
        盤 生成{};
        classic::board_destinations(探盤.cells(), 元X, 元Y, 駒).for_each_until([&](int x, int y) {
          生成[x][y] = 有;
          return true;
        });
        ASSERT_EQ(生成, 期待) << "piece " << 駒 << " on " << 元X << "," << 元Y << ", position "
                              << i;
      }
    }
    for (int 側 : {手番_先手, 手番_後手}) {
      const int 列 = 側 == 手番_先手 ? 先手持駒列 : 後手持駒列;
      for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
        const int 駒 = testing::種類の駒(側, 種類);
        const int 段 = testing::持駒段(側, 種類);
        for (int x = 1; x <= 盤サイズ; ++x) {
          for (int y = 1; y <= 盤サイズ; ++y) {
            if (局.盤面[x][y] != 空) continue;
            ASSERT_EQ(classic::drop_allowed(駒, x, y, 局.先手2歩, 局.後手2歩),
                      局.移動チェック(列, 段, x, y, 駒) == 有)
                << "drop " << 駒 << " on " << x << "," << y << ", position " << i;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace brenvolt
