// The threat search: wins by continuous fours are found, and so are wins that need an open
// three; positions without a forced win, or where the defender's own four answers, give none.
#include <gtest/gtest.h>

#include "computer/strong/threat_search.h"
#include "tests/computer/strong/positions.h"

namespace brenvolt {
namespace {

using strong::Move;
using strong::ThreatSearch;

struct 答え {
  bool 勝ち = false;
  着手 初手{};
};

答え 脅威で勝てるか(const std::string& text, bool 四だけ, int 手数 = 6) {
  対局 game = testing::局面(text);
  strong::Board board = testing::読込(game.局);
  const strong::Board before = board;
  ThreatSearch search;
  ThreatSearch::Budget budget;
  budget.nodes = 200000;
  Move first;
  答え a;
  a.勝ち = search.find_win(board, 手数, 四だけ, budget, &first);
  EXPECT_TRUE(board.same_as(before)) << "the board is given back unchanged";
  EXPECT_FALSE(search.gave_up());
  if (a.勝ち) a.初手 = board.to_game_move(first);
  return a;
}

// 先手: 4e 5e 6e closed on the left by 後手's 3e, and 7f 7g: 7e is a four and an open three.
const char* const kFourThree = "9/9/9/9/2pGSK3/6N2/6N2/9/9 b RB2L2Pkrbgs2n2lp 7";

TEST(脅威探索, 四三の連続四で勝つ) {
  const 答え a = 脅威で勝てるか(kFourThree, true);
  ASSERT_TRUE(a.勝ち);
  EXPECT_EQ(a.初手.先X, 7);
  EXPECT_EQ(a.初手.先Y, 5);
}

TEST(脅威探索, 三を使わなければ届かない勝ちも見つける) {
  // Positions from random play where the first threat must be a three; a full-width search of
  // nine plies finds the same wins (in nine and five plies).
  for (const char* text : {"2Rg1l3/2r3P2/9/2S6/nb2Np1n1/1l3G1P1/9/2k5B/K2s2L2 b NLp 21",
                           "3r1s2G/9/3+B3N1/2K2L3/9/n2pl4/2R1S1l2/1k6N/1b7 w L2Pgnp 18"}) {
    EXPECT_FALSE(脅威で勝てるか(text, true, 12).勝ち) << text;
    EXPECT_TRUE(脅威で勝てるか(text, false, 5).勝ち) << text;
  }
}

TEST(脅威探索, 勝ちのない局面では見つけない) {
  // A lone closed three: one four, blocked, and nothing after it.
  EXPECT_FALSE(脅威で勝てるか("9/9/9/9/2pGSK3/9/9/9/9 b RB2N2L2Pkrbgs2n2lp 5", false).勝ち);
  // The empty board after one pawn each.
  EXPECT_FALSE(脅威で勝てるか("9/9/9/9/4P4/4p4/9/9/9 b KRBGS2N2LPkrbgs2n2lp 3", false).勝ち);
}

TEST(脅威探索, 守り手の五を止める手が脅威でなければ勝ちではない) {
  // As the four-three, but 後手 holds 1a 1b 1c 1d: 先手 must first block 1e, which threatens
  // nothing, and then 後手 is free to answer the four-three before it is played.
  EXPECT_TRUE(脅威で勝てるか(kFourThree, false).勝ち);
  EXPECT_FALSE(脅威で勝てるか("l8/l8/n8/s8/2pGSK3/6N2/6N2/9/9 b RB2L2Pkrbgnp 11", false).勝ち);
}

TEST(脅威探索, 届かない守りの手を見落として勝ちと言わない) {
  // After G*8f R*9g 6d6c 9g9e 8f9g 先手 has nothing left to drop, and 4f6h brings the bishop
  // within reach of 8f, the square of 後手's next four; 6d6c wins instead.
  const 答え board_moves_only =
      脅威で勝てるか("9/5K3/4sl1+N1/3kLnG2/1SrPPp3/2L1pB3/1N1n5/l8/9 w Rbg 22", false, 5);
  ASSERT_TRUE(board_moves_only.勝ち);
  EXPECT_EQ(notation::format_move(board_moves_only.初手), "6d6c");
  // G*8g is blocked by R*9h, not by K*9h: the kind dropped decides what can move later.
  const 答え kind_of_drop =
      脅威で勝てるか("9/9/5B3/1L2plL1P/3nNP2r/1Gsnl1S1p/5N3/9/9 w KRkbg 18", false, 5);
  ASSERT_TRUE(kind_of_drop.勝ち);
  EXPECT_NE(notation::format_move(kind_of_drop.初手), "G*8g");
}

TEST(脅威探索, 覚えた結果は同じ局面の同じ問いにだけ使い忘れれば初めからと同じ) {
  // One search asked in turn about several positions, kinds of threats and numbers of moves
  // answers each as a new search does; after forget() it does the same work again. (Each
  // search gets the position afresh: a search may leave the board's piece lists reordered.)
  const char* const texts[] = {kFourThree,
                               "2Rg1l3/2r3P2/9/2S6/nb2Np1n1/1l3G1P1/9/2k5B/K2s2L2 b NLp 21",
                               "9/9/5B3/1L2plL1P/3nNP2r/1Gsnl1S1p/5N3/9/9 w KRkbg 18",
                               "l8/l8/n8/s8/2pGSK3/6N2/6N2/9/9 b RB2L2Pkrbgnp 11"};
  ThreatSearch shared;
  ThreatSearch::Budget budget;
  budget.nodes = 200000;
  for (int round = 0; round < 2; ++round) {
    for (const char* text : texts) {
      const strong::Board position = testing::読込(testing::局面(text).局);
      for (const bool fours_only : {false, true}) {
        for (const int moves : {2, 3, 5, 12}) {
          ThreatSearch fresh;
          strong::Board board = position;
          const bool expected = fresh.find_win(board, moves, fours_only, budget, nullptr);
          board = position;
          EXPECT_EQ(shared.find_win(board, moves, fours_only, budget, nullptr), expected)
              << text << (fours_only ? " fours " : " threats ") << moves << " round " << round;
          shared.forget();
          board = position;
          shared.find_win(board, moves, fours_only, budget, nullptr);
          EXPECT_EQ(shared.nodes(), fresh.nodes()) << text << " " << moves;
        }
      }
    }
  }
}

}  // namespace
}  // namespace brenvolt
