// The search with helper threads: legal moves, a node cap that counts every thread's nodes, a
// stop that ends them all, and one thread again searching exactly as a searcher that never had
// helpers.
#include <gtest/gtest.h>

#include <thread>

#include "computer/strong/search_service.h"
#include "computer/strong/searcher.h"
#include "engine/move_judge.h"
#include "notation/game_move.h"
#include "tests/computer/strong/positions.h"

namespace brenvolt {
namespace {

const std::atomic<bool> kGo{false};

void 合法である(対局 game, const std::optional<着手>& move) {
  ASSERT_TRUE(move.has_value()) << notation::format_position(game.局);
  const std::string text = notation::format_move(*move);
  EXPECT_EQ(engine::judge_move(game, text).verdict, engine::Verdict::accepted)
      << text << " in " << notation::format_position(game.局);
}

TEST(並列探索, 乱数の局面で合法な手を返し節点の上限は全スレッドの合計) {
  std::mt19937 rng(23);
  Searcher searcher(2);
  searcher.set_threads(3);
  EXPECT_EQ(searcher.threads(), 3);
  constexpr std::uint64_t kNodes = 60000;
  for (int i = 0; i < 8; ++i) {
    対局 game = testing::乱数対局(rng, 6 + i * 5);
    if (game.勝負あり() || engine::legal_moves(game).empty()) continue;
    合法である(game, searcher.think(game.局, game.局.手番, {0, kNodes, 0}, kGo));
    // Alone, each thread would spend the whole cap.
    EXPECT_LT(searcher.nodes(), kNodes * 2) << "position " << i;
  }
}

TEST(並列探索, 止めると全スレッドが終わり最善手を返す) {
  std::mt19937 rng(31);
  const 対局 game = testing::乱数対局(rng, 12);
  ASSERT_FALSE(game.勝負あり());
  SearchService service(2);
  service.set_threads(4);
  std::optional<着手> answer;
  std::atomic<int> depths{0};
  service.start(game.局, {},
                {[&](std::uint64_t, const 探索情報&) { ++depths; },
                 [&](std::uint64_t, std::optional<着手> move) { answer = move; }});
  while (depths.load() < 3) std::this_thread::yield();
  service.stop();
  service.wait();
  合法である(game, answer);
}

TEST(並列探索, 一スレッドに戻せば助けのない探索と同じ手と節点数) {
  std::mt19937 rng(41);
  const 対局 game = testing::乱数対局(rng, 18);
  ASSERT_FALSE(game.勝負あり());
  Searcher alone(2);
  const auto expected = alone.think(game.局, game.局.手番, {4, 0, 0}, kGo);
  Searcher helped(2);
  helped.set_threads(2);
  helped.think(game.局, game.局.手番, {4, 0, 0}, kGo);
  helped.set_threads(1);
  EXPECT_EQ(helped.threads(), 1);
  EXPECT_EQ(helped.think(game.局, game.局.手番, {4, 0, 0}, kGo), expected);
  EXPECT_EQ(helped.nodes(), alone.nodes());
}

}  // namespace
}  // namespace brenvolt
