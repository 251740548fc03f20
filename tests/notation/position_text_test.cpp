#include "notation/position_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/move_judge.h"

namespace brenvolt::notation {
namespace {

const std::string kFullHands = "KRBGS2N2L2Pkrbgs2n2l2p";

// The position text with 先手's pawn dropped on 5e and 後手 to move.
const std::string kOneDrop = "9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2";

TEST(PositionText, StartPositionIsTheSetUpOfANewGame) {
  対局状態 局;
  std::string error;
  ASSERT_TRUE(parse_position(kStartPosition, 局, error)) << error;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(局.盤面[x][y], 空);
  }
  const 持駒 full = {0, 2, 2, 2, 1, 1, 1, 1, 1};
  EXPECT_EQ(局.先手持駒数, full);
  EXPECT_EQ(局.後手持駒数, full);
  EXPECT_EQ(局.先手持駒合計, 11);
  EXPECT_EQ(局.後手持駒合計, 11);
  EXPECT_EQ(局.手番, 手番_先手);
  EXPECT_EQ(局.手数, 0);
  EXPECT_EQ(局.対局中, 有);
  EXPECT_EQ(format_position(局), kStartPosition);
}

TEST(PositionText, PiecesHandsSideAndMoveNumberAreRead) {
  対局状態 局;
  std::string error;
  ASSERT_TRUE(parse_position(kOneDrop, 局, error)) << error;
  EXPECT_EQ(局.盤面[5][5], 先手_歩);
  EXPECT_EQ(局.先手持駒数[1], 1);
  EXPECT_EQ(局.先手持駒合計, 10);
  EXPECT_EQ(局.手番, 手番_後手);
  EXPECT_EQ(局.手数, 1);
  EXPECT_EQ(局.先手2歩[5], 1);
  EXPECT_EQ(format_position(局), kOneDrop);
}

TEST(PositionText, PromotedPiecesBothSidesAndFreeHandOrder) {
  // Every piece on the board, promoted pieces included; the hands are then empty.
  const std::string text = "+P+L+N1k4/lnp6/2g1+r4/L8/1+SBKGR3/N8/P3+b2s1/+p1+n6/1+l7 b - 40";
  対局状態 局;
  std::string error;
  ASSERT_TRUE(parse_position(text, 局, error)) << error;
  EXPECT_EQ(局.盤面[1][1], 先手_と);
  EXPECT_EQ(局.盤面[3][1], 先手_桂成);
  EXPECT_EQ(局.盤面[3][3], 後手_金);
  EXPECT_EQ(局.盤面[5][3], 後手_飛成);
  EXPECT_EQ(局.盤面[5][7], 後手_角成);
  EXPECT_EQ(局.先手持駒合計, 0);
  EXPECT_EQ(format_position(局), text);

  対局状態 reordered;
  ASSERT_TRUE(parse_position("9/9/9/9/9/9/9/9/9 b 2pk2PKRrBbGgSs2N2n2L2l 5", reordered, error))
      << error;
  EXPECT_EQ(format_position(reordered), "9/9/9/9/9/9/9/9/9 b " + kFullHands + " 5");
}

TEST(PositionText, PositionsReachedInPlayRoundTrip) {
  std::mt19937 random(11);
  for (int game = 0; game < 4; ++game) {
    対局 played = engine::start_game();
    for (int ply = 0; ply < 40 && !played.勝負あり(); ++ply) {
      const auto moves = engine::legal_moves(played);
      if (moves.empty()) break;
      const auto& chosen = moves[random() % moves.size()];
      engine::play_move(played, engine::judge_move(played, chosen).move);
      const std::string text = format_position(played.局);
      対局状態 read;
      std::string error;
      ASSERT_TRUE(parse_position(text, read, error)) << text << ": " << error;
      EXPECT_EQ(read.盤面, played.局.盤面) << text;
      EXPECT_EQ(read.先手持駒数, played.局.先手持駒数);
      EXPECT_EQ(read.後手持駒数, played.局.後手持駒数);
      EXPECT_EQ(read.先手持駒合計, played.局.先手持駒合計);
      EXPECT_EQ(read.後手持駒合計, played.局.後手持駒合計);
      EXPECT_EQ(read.手番, played.局.手番);
      EXPECT_EQ(read.手数, played.局.手数);
    }
  }
}

// Each malformed or impossible position is refused, and the state it was read into is kept.
TEST(PositionText, RefusalsLeaveTheStateAlone) {
  const char* const refused[] = {
      // fields
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1 1",
      "",
      // board shape
      "9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1",
      "9/9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1",
      "9/9/9/9/4P3/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2",
      "9/9/9/9/4P5/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2",
      "9/9/9/9/9P/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2",
      "9/9/9/9/4X4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2",
      "9/9/9/9/4+G4/9/9/9/9 w KRBS2N2L2Pkrbgs2n2l2p 2",
      "9/9/9/9/4+K4/9/9/9/9 w RBGS2N2L2Pkrbgs2n2l2p 2",
      "9/9/9/9/8+/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 2",
      "9/9/9/9/0P8/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2",
      // side
      "9/9/9/9/9/9/9/9/9 x KRBGS2N2L2Pkrbgs2n2l2p 1",
      "9/9/9/9/9/9/9/9/9 B KRBGS2N2L2Pkrbgs2n2l2p 1",
      // hands
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2x 1",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L+2Pkrbgs2n2l2p 1",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2P0Gkrbgs2n2l2p 1",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2LPPkrbgs2n2l2p 1",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L99999999999999999999Pkrbgs2n2l2p 1",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p2 1",
      "9/9/9/9/9/9/9/9/9 b - 1",
      // movenumber
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 0",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p -1",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1a",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 99999999999999999999999",
      // each side holds exactly its starting eleven
      "9/9/9/9/4P4/9/9/9/9 w KRBGS2N2L2Pkrbgs2n2l2p 2",
      "9/9/9/9/9/9/9/9/9 b KRBS2N2L2Pkrbgs2n2l2p 1",
      "9/9/9/9/4g4/9/9/9/9 w KRBGS2N2L2Pkrbgs2n2l2p 2",
      "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l3p 1",
      // no unpromoted piece where it could never move
      "P8/9/9/9/9/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2",
      "L8/9/9/9/9/9/9/9/9 w KRBGS2NL2Pkrbgs2n2l2p 2",
      "9/N8/9/9/9/9/9/9/9 w KRBGSN2L2Pkrbgs2n2l2p 2",
      "9/9/9/9/9/9/9/9/4p4 b KRBGS2N2L2Pkrbgs2n2lp 2",
      "9/9/9/9/9/9/9/9/4l4 b KRBGS2N2L2Pkrbgs2nl2p 2",
      "9/9/9/9/9/9/9/4n4/9 b KRBGS2N2L2Pkrbgsn2l2p 2",
      // two unpromoted pawns of one side in a column
      "9/9/9/4P4/4P4/9/9/9/9 w KRBGS2N2Lkrbgs2n2l2p 3",
      "9/9/9/4p4/4p4/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l 3",
  };
  for (const char* text : refused) {
    対局状態 局;
    std::string error;
    ASSERT_TRUE(parse_position(kOneDrop, 局, error));
    const 対局状態 before = 局;
    EXPECT_FALSE(parse_position(text, 局, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
    EXPECT_EQ(局.盤面, before.盤面) << text;
    EXPECT_EQ(局.先手持駒数, before.先手持駒数) << text;
    EXPECT_EQ(局.手番, before.手番) << text;
    EXPECT_EQ(局.手数, before.手数) << text;
  }
}

TEST(PositionText, PlacementsPlayCanReachAreAccepted) {
  const char* const accepted[] = {
      // promoted pieces may stand on the last rows
      "+P8/+N8/9/9/9/9/9/9/9 w KRBGSN2LPkrbgs2n2l2p 3",
      "+L8/9/9/9/9/9/9/9/9 w KRBGS2NL2Pkrbgs2n2l2p 2",
      // 先手's knight on row c, 後手's on row g
      "9/9/N8/9/9/9/n8/9/9 b KRBGSN2L2Pkrbgsn2l2p 3",
      // a pawn beside a promoted pawn, and the two sides' pawns in one column
      "9/9/9/4P4/4+P4/9/9/9/9 w KRBGS2N2Lkrbgs2n2l2p 3",
      "9/9/9/4p4/4P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2l1p 3",
  };
  for (const char* text : accepted) {
    対局状態 局;
    std::string error;
    EXPECT_TRUE(parse_position(text, 局, error)) << text << ": " << error;
  }
}

}  // namespace
}  // namespace brenvolt::notation
