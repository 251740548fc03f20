// The review of a record: a missed five and an allowed five marked "??" with the move that was
// needed as the best move, no "??" where both sides block, the same review twice at a node
// budget, and a cancelled review that returns nothing.
#include <gtest/gtest.h>

#include "computer/strong/review.h"
#include "notation/game_move.h"
#include "notation/record_file.h"

namespace brenvolt {
namespace {

const std::atomic<bool> kGo{false};
const 探索制限 kBudget{0, 20000, 0};

対局 棋譜(const std::string& text) {
  対局 game;
  notation::RecordError error;
  EXPECT_TRUE(notation::read_record(text, game, error)) << notation::describe(error);
  return game;
}

std::vector<手の講評> 講評(const 対局& game) {
  return 棋譜を講評する(game, kBudget, {}, kGo);
}

std::string 手の文字(const std::optional<着手>& move) {
  return move ? notation::format_move(*move) : "-";
}

TEST(講評, 五を逃した手は悪手で最善手は五を作る手) {
  // 先手 can drop on 5e for five and drops elsewhere; 後手 then blocks.
  const auto review =
      講評(棋譜("position sfen 9/9/9/9/RBGS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9 "
                "moves P*1c P*5e"));
  ASSERT_EQ(review.size(), 2u);
  EXPECT_EQ(review[0].印, 講評の印::悪手);
  ASSERT_TRUE(review[0].最善手.has_value());
  EXPECT_EQ(review[0].最善手->先X, 5);
  EXPECT_EQ(review[0].最善手->先Y, 5);
  EXPECT_EQ(評価の文字(review[0].最善の評価), "mate 1");
  // The block is 後手's best move: no mark.
  EXPECT_EQ(review[1].印, 講評の印::なし) << 手の文字(review[1].最善手);
}

TEST(講評, 相手の五を許した手は悪手で五を作った手はmate0) {
  // 後手 threatens a five on 5e; 先手 drops elsewhere and 後手 makes it.
  const auto review =
      講評(棋譜("position sfen 9/9/9/9/gskn5/9/9/9/9 b KRBGS2N2L2Prbn2l2p 5 "
                "moves P*1c R*5e"));
  ASSERT_EQ(review.size(), 2u);
  EXPECT_EQ(review[0].印, 講評の印::悪手);
  EXPECT_EQ(手の文字(review[0].最善手).substr(2), "5e");
  EXPECT_EQ(評価の文字(review[0].指した後), "mate -1");
  EXPECT_EQ(評価の文字(review[1].指した後), "mate -0");
  EXPECT_EQ(review[1].印, 講評の印::なし);
}

TEST(講評, 互いに止め続けた対局に悪手はない) {
  // Each side blocks the other's four at once.
  const auto review =
      講評(棋譜("position sfen 9/9/9/9/gskn5/9/9/9/9 b KRBGS2N2L2Prbn2l2p 5 moves P*5e"));
  ASSERT_FALSE(review.empty());
  for (const 手の講評& item : review) {
    EXPECT_NE(item.印, 講評の印::悪手) << item.手目 << " best " << 手の文字(item.最善手);
  }
}

TEST(講評, 節点数の予算なら二度とも同じで中止すれば何も返さない) {
  const 対局 game = 棋譜("position startpos moves P*5e P*5d G*4e G*4d S*6e S*6d");
  std::vector<std::pair<int, int>> steps;
  const auto first = 棋譜を講評する(
      game, kBudget,
      [&](int done, int total) {
        steps.push_back({done, total});
      },
      kGo);
  EXPECT_EQ(first, 講評(game));
  ASSERT_EQ(first.size(), 6u);
  EXPECT_EQ(steps.size(), 7u);
  EXPECT_EQ(steps.back(), std::make_pair(7, 7));

  const std::atomic<bool> cancelled{true};
  EXPECT_TRUE(棋譜を講評する(game, kBudget, {}, cancelled).empty());
}

}  // namespace
}  // namespace brenvolt
