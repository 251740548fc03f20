// The match tool: Elo from a tally, reproducible openings, games that end as the rules say,
// and engine programs as players (the real engine, and a fake one that misbehaves).
#include <gtest/gtest.h>

#include <cmath>

#include "game/levels.h"
#include "game/match.h"
#include "game/turn.h"
#include "notation/game_move.h"
#include "notation/record_file.h"
#include "tools/match/match.h"

namespace brenvolt::match {
namespace {

TEST(対局ツール, 勝敗からEloと誤差を出す) {
  const EloEstimate even = estimate({10, 10, 0});
  EXPECT_DOUBLE_EQ(even.score, 0.5);
  EXPECT_NEAR(even.elo, 0, 1e-9);
  EXPECT_GT(even.error, 100);  // twenty games say little
  const EloEstimate three_to_one = estimate({30, 10, 0});
  EXPECT_NEAR(three_to_one.elo, 190.8, 0.1);
  EXPECT_LT(three_to_one.low, three_to_one.elo);
  EXPECT_GT(three_to_one.high, three_to_one.elo);
  EXPECT_NEAR(three_to_one.error,
              1.96 * std::sqrt(0.75 * 0.25 / 40) * 400 / (std::log(10.0) * 0.75 * 0.25), 1e-6);
  EXPECT_LT(three_to_one.error, estimate({6, 2, 0}).error);
  const EloEstimate draws = estimate({0, 0, 8});
  EXPECT_NEAR(draws.elo, 0, 1e-9);
  EXPECT_NEAR(draws.error, 0, 1e-9);  // every game alike: no spread

  const EloEstimate all = estimate({20, 0, 0});
  EXPECT_TRUE(all.unbounded);
  EXPECT_GT(all.bound, 0);
  EXPECT_LT(all.bound, estimate({40, 0, 0}).bound);
  EXPECT_NE(summary({20, 0, 0}).find("+inf"), std::string::npos);
  EXPECT_TRUE(estimate({0, 5, 0}).unbounded);
  EXPECT_LT(estimate({0, 5, 0}).bound, 0);
}

TEST(対局ツール, 序盤は種で決まり規則どおりに指せる) {
  const auto a = opening(7, 4);
  EXPECT_EQ(a, opening(7, 4));
  EXPECT_NE(a, opening(8, 4));
  ASSERT_EQ(a.size(), 4u);
  対局 game;
  game.開始();
  for (const 着手& m : a) {
    const auto judged = game.判定(m.元X, m.元Y, m.先X, m.先Y, m.移動駒,
                                  m.置駒 != m.移動駒 ? 成り方::成る : 成り方::成らない);
    ASSERT_EQ(judged.結果, 判定::可) << notation::format_move(m);
    game.指す(judged.手);
  }
}

TEST(対局ツール, 対局は五か手数の上限で終わり同じ条件なら同じ結果) {
  auto black = level_player(強さ_強い, 100000);
  auto white = level_player(0, 0);
  const auto moves = opening(3, 4);
  const GameResult first = play_game(*black, *white, moves);
  EXPECT_NE(first.winner, 0);
  EXPECT_EQ(first.reason, "five");
  EXPECT_GT(first.plies, 4);
  EXPECT_EQ(first.black_times.size() + first.white_times.size(),
            static_cast<std::size_t>(first.plies - 4));
  auto black_again = level_player(強さ_強い, 100000);
  const GameResult again = play_game(*black_again, *white, moves);
  EXPECT_EQ(again.winner, first.winner);
  EXPECT_EQ(again.plies, first.plies);

  // The moves written for the game read back as the same game, to the same five.
  対局 replayed;
  notation::RecordError error;
  ASSERT_TRUE(notation::read_record(first.moves, replayed, error)) << first.moves;
  EXPECT_EQ(replayed.局.手数, first.plies);
  EXPECT_EQ(replayed.局.対局中, 無);
}

TEST(対局ツール, エンジンのプログラムも対局者になる) {
  std::string error;
  auto program = engine_player(BRENVOLT_ENGINE_PATH, 0, error);
  ASSERT_NE(program, nullptr) << error;
  auto standard = level_player(0, 0);
  auto other = level_player(0, 0);
  const auto moves = opening(5, 4);
  // The engine's plain go is the standard computer: the same game as level 0 against itself.
  const GameResult through_process = play_game(*program, *standard, moves);
  const GameResult in_process = play_game(*other, *standard, moves);
  EXPECT_EQ(through_process.winner, in_process.winner);
  EXPECT_EQ(through_process.plies, in_process.plies);
  EXPECT_EQ(through_process.reason, in_process.reason);
}

TEST(対局ツール, 規則に反する手を返すエンジンは負け) {
  std::string error;
  auto cheat = engine_player(std::string(BRENVOLT_FAKE_ENGINE) + " 5e5e", 2, error);
  ASSERT_NE(cheat, nullptr) << error;
  auto standard = level_player(0, 0);
  const GameResult result = play_game(*cheat, *standard, opening(1, 4));
  EXPECT_EQ(result.winner, 手番_後手);
  EXPECT_EQ(result.reason, "refused 5e5e");

  auto passer = engine_player(std::string(BRENVOLT_FAKE_ENGINE) + " pass", 0, error);
  ASSERT_NE(passer, nullptr) << error;
  auto other_passer = engine_player(std::string(BRENVOLT_FAKE_ENGINE) + " pass", 0, error);
  ASSERT_NE(other_passer, nullptr) << error;
  const GameResult stuck = play_game(*passer, *other_passer, opening(1, 4));
  EXPECT_EQ(stuck.winner, 0);
  EXPECT_EQ(stuck.reason, "no move");

  EXPECT_EQ(engine_player("/nonexistent/engine", 0, error), nullptr);
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace brenvolt::match
