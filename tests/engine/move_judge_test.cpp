#include "engine/move_judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/computer_moves.h"
#include "engine_test_positions.h"
#include "notation/game_move.h"

namespace brenvolt::engine {
namespace {

using testing::game_at;

std::string verdict_of(const std::string& position, const std::string& move) {
  対局 game = game_at(position);
  return std::string(verdict_word(judge_move(game, move).verdict));
}

TEST(JudgeMove, MoveRuleRefusalsAreIllegal) {
  const std::string start(notation::kStartPosition);
  EXPECT_EQ(verdict_of(start, "5e5d"), "illegal");  // no piece on the source
  EXPECT_EQ(verdict_of(start, "P*5a"), "illegal");  // pawn drop on the last row
  EXPECT_EQ(verdict_of(start, "L*5a"), "illegal");
  EXPECT_EQ(verdict_of(start, "N*5b"), "illegal");
  EXPECT_EQ(verdict_of(start, "N*5c"), "ok");
  EXPECT_EQ(verdict_of(start, "K*5a"), "ok");
  EXPECT_EQ(verdict_of(testing::kFourInARow, "R*1a"), "illegal");  // none left in hand

  const std::string pawn_on_5e = "9/9/9/9/4P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2l2p 3";
  EXPECT_EQ(verdict_of(pawn_on_5e, "P*5g"), "illegal");  // second pawn in the column
  EXPECT_EQ(verdict_of(pawn_on_5e, "P*4g"), "ok");
  EXPECT_EQ(verdict_of(pawn_on_5e, "5e5c"), "illegal");
  EXPECT_EQ(verdict_of(pawn_on_5e, "5e5d"), "ok");

  const std::string white_to_move = "9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2";
  EXPECT_EQ(verdict_of(white_to_move, "5e5f"), "illegal");  // the other side's piece
  EXPECT_EQ(verdict_of(white_to_move, "P*5e"), "illegal");  // occupied destination
  EXPECT_EQ(verdict_of(white_to_move, "P*5f"), "ok");  // 後手 drops with an upper-case letter
  EXPECT_EQ(verdict_of(white_to_move, "p*5f"), "syntax");
}

TEST(JudgeMove, ForcedAndOptionalPromotion) {
  const std::string knight = "9/9/9/4N4/9/9/9/9/9 b KRBGSN2L2Pkrbgs2n2l2p 3";
  EXPECT_EQ(verdict_of(knight, "5d6b"), "promote");
  EXPECT_EQ(verdict_of(knight, "5d6b+"), "ok");
  EXPECT_EQ(verdict_of(knight, "5d4b+"), "ok");

  const std::string silver = "9/9/9/4S4/9/9/9/9/9 b KRBG2N2L2Pkrbgs2n2l2p 3";
  EXPECT_EQ(verdict_of(silver, "5d5c"), "ok");
  EXPECT_EQ(verdict_of(silver, "5d5c+"), "ok");
  EXPECT_EQ(verdict_of(silver, "5d4e"), "ok");
  EXPECT_EQ(verdict_of(silver, "5d4e+"), "promote");  // neither end in the zone

  const std::string gold = "9/9/9/9/4G4/9/9/9/9 b KRBS2N2L2Pkrbgs2n2l2p 3";
  EXPECT_EQ(verdict_of(gold, "5e5d+"), "promote");
  EXPECT_EQ(verdict_of(gold, "5e5d"), "ok");

  対局 game = game_at(knight);
  const Judgement judged = judge_move(game, "5d6b+");
  EXPECT_EQ(judged.move.移動駒, 先手_桂);
  EXPECT_EQ(judged.move.置駒, 先手_桂成);
}

TEST(PlayMove, ADropTakesFromTheHandAndPassesTheTurn) {
  対局 game = start_game();
  play_move(game, judge_move(game, "G*5e").move);
  EXPECT_EQ(game.局.盤面[5][5], 先手_金);
  EXPECT_EQ(game.局.先手持駒数[5], 0);
  EXPECT_EQ(game.局.先手持駒合計, 10);
  EXPECT_EQ(game.局.手数, 1);
  EXPECT_EQ(game.局.手番, 手番_後手);
  play_move(game, judge_move(game, "G*5d").move);
  EXPECT_EQ(game.局.盤面[5][4], 後手_金);
  EXPECT_EQ(game.局.後手持駒数[5], 0);
  EXPECT_EQ(game.局.手番, 手番_先手);
  EXPECT_FALSE(game.勝負あり());
}

TEST(PlayMove, FiveAtTheDestinationOrAroundTheSourceEndsTheGame) {
  対局 drop = game_at(testing::kFourInARow);
  play_move(drop, judge_move(drop, "P*5e").move);
  EXPECT_EQ(drop.勝者, 手番_先手);
  EXPECT_EQ(verdict_word(judge_move(drop, "P*1i").verdict), "over");
  EXPECT_TRUE(legal_moves(drop).empty());

  対局 six = game_at(testing::kSixInARow);
  const Judgement judged = judge_move(six, "4e4d");
  ASSERT_EQ(judged.verdict, Verdict::accepted);
  play_move(six, judged.move);
  EXPECT_EQ(six.勝者, 手番_先手);

  // Standing six in a row is no win: a move elsewhere leaves the game running.
  対局 six_standing = game_at(testing::kSixInARow);
  const Judgement elsewhere = judge_move(six_standing, "N*1g");
  ASSERT_EQ(elsewhere.verdict, Verdict::accepted);
  play_move(six_standing, elsewhere.move);
  EXPECT_FALSE(six_standing.勝負あり());
}

// The computer's move for the side to move is one a person may play, and no candidate the
// computer looks at scores higher.
TEST(ComputerMoves, ChoiceIsAcceptedAndBestScored) {
  std::mt19937 random(9);
  for (int game_number = 0; game_number < 3; ++game_number) {
    対局 game = start_game();
    for (int ply = 0; ply < 30 && !game.勝負あり(); ++ply) {
      const auto listed = legal_moves(game);
      if (listed.empty()) break;
      if (game.局.手数 > 0 && ply % 3 == 2) {
        const 盤 before = game.局.盤面;
        const auto choice = computer_choice(game);
        ASSERT_EQ(game.局.盤面, before);
        ASSERT_TRUE(choice);
        const std::string chosen = notation::format_move(*choice);
        ASSERT_EQ(judge_move(game, chosen).verdict, Verdict::accepted) << chosen;
        const bool board_moves = game.局.取得_全持駒数(game.局.手番) < 8;
        int best = -99999;
        for (const auto& text : listed) {
          const auto parsed = notation::parse_move(text);
          if (parsed->drop ? 調査_周囲駒有(game.局, parsed->to.x, parsed->to.y) != 有
                           : !board_moves) {
            continue;
          }
          best = std::max(best, score_move(game, text).score);
        }
        EXPECT_EQ(score_move(game, chosen).score, best) << chosen;
      }
      play_move(game, judge_move(game, listed[random() % listed.size()]).move);
    }
  }
}

}  // namespace
}  // namespace brenvolt::engine
