// The strong computer's choices: legal at every level, the five made or stopped at once, wins
// by continuous fours found, the same move for the same fixed depth, and a stop obeyed.
#include <gtest/gtest.h>

#include "computer/strong/bench_suite.h"
#include "computer/strong/searcher.h"
#include "computer/strong/threat_search.h"
#include "engine/bench_positions.h"
#include "notation/game_move.h"
#include "tests/computer/strong/positions.h"

namespace brenvolt {
namespace {

const std::atomic<bool> kGo{false};

std::optional<着手> 考える(const 対局& game, const 探索制限& limits,
                           std::vector<探索情報>* infos = nullptr) {
  Searcher searcher(4);
  if (infos == nullptr) return searcher.think(game.局, game.局.手番, limits, kGo);
  return searcher.think(game.局, game.局.手番, limits, kGo,
                        [infos](const 探索情報& info) { infos->push_back(info); });
}

// The move is one the engine accepts for the side to move.
void 合法である(対局 game, const std::optional<着手>& move) {
  ASSERT_TRUE(move.has_value()) << notation::format_position(game.局);
  const std::string text = notation::format_move(*move);
  EXPECT_EQ(engine::judge_move(game, text).verdict, engine::Verdict::accepted)
      << text << " in " << notation::format_position(game.局);
}

// Plays the move and answers the winner (0 while play goes on).
int 指した後の勝者(対局 game, const 着手& move) {
  engine::play_move(game, move);
  return game.勝者;
}

TEST(強い探索, 乱数の局面で返す手はいつも合法) {
  std::mt19937 rng(5);
  for (int i = 0; i < 30; ++i) {
    対局 game = i % 2 == 0 ? testing::乱数対局(rng, 3 + i * 5) : testing::乱数盤面(rng);
    if (game.勝負あり() || engine::legal_moves(game).empty()) continue;
    合法である(game, 考える(game, {0, 3000 + 500 * static_cast<std::uint64_t>(i), 0}));
    合法である(game, 考える(game, {2, 0, 0}));
  }
}

// A cap of 0 is no cap: the most a level may spend.
double 上限の大きさ(double cap) {
  return cap == 0 ? 1e18 : cap;
}

TEST(強い探索, レベルの持ち時間は上限の内で上のレベルほど深く長く読む) {
  EXPECT_LE(level_limits(1).seconds, 0.1 * 0.8) << "room for a busy machine";
  for (int level = 1; level <= 強さ_最強; ++level) {
    const 探索制限 制限 = level_limits(level);
    EXPECT_GT(制限.seconds, 0);
    EXPECT_LE(制限.seconds, 2.0 * 0.8) << level;
    if (level == 1) continue;
    // No level searches less deep or less long than the level below it (a weakening may be
    // traded for depth: the matches, not this, show each level plays better). A depth cap
    // ends a search long before its time, which only guards a slow machine: times are compared
    // between levels with no depth cap, or both with one.
    const 探索制限 下 = level_limits(level - 1);
    EXPECT_GE(上限の大きさ(制限.depth), 上限の大きさ(下.depth)) << level;
    EXPECT_GE(上限の大きさ(制限.nodes), 上限の大きさ(下.nodes)) << level;
    if ((制限.depth == 0) == (下.depth == 0)) {
      EXPECT_GE(制限.seconds, 下.seconds) << level;
    }
    EXPECT_GE(制限.grain, 1) << level;
  }
  EXPECT_EQ(level_limits(0).seconds, level_limits(1).seconds);
  EXPECT_EQ(level_limits(強さ_最強 + 1).seconds, level_limits(強さ_最強).seconds);
  // The levels of the four-level menu keep their searches exactly: a record naming one plays
  // on as it did.
  const 探索制限 旧[] = {{2, 0, 0.06}, {4, 0, 0.35}, {0, 0, 1.5}};
  for (int old = 1; old <= 旧強さ_最強; ++old) {
    const 探索制限 今 = level_limits(旧強さの対応[old]);
    EXPECT_EQ(今.depth, 旧[old - 1].depth) << old;
    EXPECT_EQ(今.nodes, 0u) << old;
    EXPECT_EQ(今.seconds, 旧[old - 1].seconds) << old;
    EXPECT_EQ(今.grain, 1) << old;
    EXPECT_EQ(今.four_moves, 全力_四の手数) << old;
    EXPECT_EQ(今.threat_moves, 全力_三の手数) << old;
    EXPECT_EQ(今.quiescence, 全力_静止手数) << old;
  }
}

TEST(強い探索, 各レベルの持ち時間で返す手も合法) {
  std::mt19937 rng(17);
  for (int level = 1; level <= 強さ_最強; ++level) {
    対局 game = testing::乱数対局(rng, 20 + level * 7);
    if (game.勝負あり()) continue;
    合法である(game, 考える(game, level_limits(level)));
  }
}

TEST(強い探索, 五を作れるなら作る) {
  const 対局 drop = testing::局面("9/9/9/9/RBGS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9");
  const auto move = 考える(drop, {6, 0, 0});
  ASSERT_TRUE(move.has_value());
  EXPECT_EQ(指した後の勝者(drop, *move), 手番_先手);

  // No piece in hand: the rook comes up its column to finish the line.
  const 対局 board_move = testing::局面("9/9/P1P1L1L1B/9/GSKN5/9/8N/9/4R4 b krbgs2n2l2p 24");
  const auto slide = 考える(board_move, {6, 0, 0});
  ASSERT_TRUE(slide.has_value());
  EXPECT_EQ(slide->元X, 5);
  EXPECT_EQ(slide->元Y, 9);
  EXPECT_EQ(指した後の勝者(board_move, *slide), 手番_先手);

  // A line of six: moving a piece off its end leaves exactly five.
  const 対局 six = testing::局面("9/9/9/9/RBGSKP3/9/9/9/9 b 2N2LPkrbgs2n2l2p 12");
  const auto uncover = 考える(six, {4, 0, 0});
  ASSERT_TRUE(uncover.has_value());
  EXPECT_EQ(指した後の勝者(six, *uncover), 手番_先手);
}

TEST(強い探索, 相手の五は止める) {
  const 対局 game = testing::局面("9/9/9/9/gskn5/9/9/9/9 b KRBGS2N2L2Prbn2l2p 5");
  const auto move = 考える(game, {6, 0, 0});
  合法である(game, move);
  EXPECT_EQ(move->先X, 5);
  EXPECT_EQ(move->先Y, 5);
}

TEST(強い探索, 止めると確かめた手を確かめきれない手より選ぶ) {
  // 後手 would win by fours and threes were 先手 to pass. Only three moves stop it; at this
  // budget most moves cannot be probed, and one of those unprobed moves used to be played.
  const 対局 game = testing::局面("5K3/5g3/3l1LP2/5S3/1l2nG3/3N1np2/9/3kpP3/3LNs3 b RBrb 19");
  const auto move = 考える(game, {0, 200000, 0});
  合法である(game, move);
  const std::string text = notation::format_move(*move);
  EXPECT_TRUE(text == "B*6d" || text == "B*3g" || text == "R*3g") << text;
}

// Whether, after `move`, the other side has no win by threats within `moves` of its own moves
// (continuous fours only when fours_only), by a search deep enough to decide it.
void 指した後に脅威の勝ちはない(const 対局& game, const std::optional<着手>& move, int moves,
                                bool fours_only) {
  合法である(game, move);
  対局 after = game;
  ASSERT_EQ(after.指す(*move).結果, 結末::続行);
  strong::Board board = testing::読込(after.局);
  strong::ThreatSearch deep;
  strong::ThreatSearch::Budget budget;
  budget.nodes = 5'000'000;
  EXPECT_FALSE(deep.find_win(board, moves, fours_only, budget, nullptr))
      << notation::format_move(*move);
  EXPECT_FALSE(deep.gave_up());
}

TEST(強い探索, 勝ちを探し尽くしても守りを確かめる分は残る) {
  // 後手 would win by fours and threes were 先手 to pass. 先手's own search for a win spends its
  // whole part of the budget finding none; the probe of 後手's threat used to share that part,
  // found it spent, and no defence was checked: N*7d was played, after which 後手 wins.
  const 対局 game = testing::局面("9/9/3ppkN2/5lL2/3L1P3/4P4/3l5/9/9 b KRBGSNrbgs2n 11");
  指した後に脅威の勝ちはない(game, 考える(game, {0, 200000, 0}), 6, false);
}

TEST(強い探索, 長い四の連続で負ける手は守りと見ない) {
  // 先手 would win by fours and threes were 後手 to pass, and no drop of one kind per square
  // stops it. S*6g used to be played: the probes looked only for wins by fours and threes of a
  // few moves, and missed the win by continuous fours of twelve that follows it.
  const 対局 game = testing::局面("9/9/3NpkllN/4PpL2/4SPLn1/4G1n2/9/9/9 w KRBrbgs 16");
  指した後に脅威の勝ちはない(game, 考える(game, {0, 200000, 0}), 12, true);
}

TEST(強い探索, どのレベルも五を作れるなら作り相手の五は止める) {
  const 対局 win = testing::局面("9/9/9/9/RBGS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9");
  const 対局 block = testing::局面("9/9/9/9/gskn5/9/9/9/9 b KRBGS2N2L2Prbn2l2p 5");
  for (int level = 1; level <= 強さ_最強; ++level) {
    探索制限 制限 = level_limits(level);
    制限.seconds = 0;  // a depth or node cap: the same move on any machine
    if (制限.depth == 0) 制限.nodes = 20000;
    const auto five = 考える(win, 制限);
    ASSERT_TRUE(five.has_value()) << level;
    EXPECT_EQ(指した後の勝者(win, *five), 手番_先手) << level;
    const auto stop = 考える(block, 制限);
    合法である(block, stop);
    EXPECT_EQ(stop->先X, 5) << level;
    EXPECT_EQ(stop->先Y, 5) << level;
  }
}

TEST(強い探索, 四と三の連続で勝つ手順を見つける) {
  // 先手 plays 3e's neighbour line to a four that is also an open three on the 3rd column,
  // then, after the forced block, the open four.
  const 対局 game = testing::局面("9/9/9/9/2pGSK3/6N2/6N2/9/9 b RB2L2Pkrbgs2n2lp 7");
  std::vector<探索情報> infos;
  const auto move = 考える(game, {0, 200000, 0}, &infos);
  合法である(game, move);
  ASSERT_FALSE(infos.empty());
  EXPECT_TRUE(infos.back().mate);
  EXPECT_GT(infos.back().score, 0);
  EXPECT_EQ(move->先X, 7);
  EXPECT_EQ(move->先Y, 5);
}

TEST(強い探索, 同じ深さなら同じ手と同じ節点数) {
  std::mt19937 rng(3);
  for (int i = 0; i < 6; ++i) {
    const 対局 game = testing::乱数対局(rng, 10 + i * 6);
    if (game.勝負あり()) continue;
    Searcher fresh(4);
    Searcher reused(4);
    const auto first = fresh.think(game.局, game.局.手番, {4, 0, 0}, kGo);
    const std::uint64_t nodes = fresh.nodes();
    const 対局 other = testing::乱数対局(rng, 8);
    reused.think(other.局, other.局.手番, {3, 0, 0}, kGo);
    const auto again = reused.think(game.局, game.局.手番, {4, 0, 0}, kGo);
    EXPECT_EQ(first, again);
    EXPECT_EQ(nodes, reused.nodes());
  }
}

TEST(強い探索, 止められたらすぐに合法な手を返す) {
  std::mt19937 rng(8);
  const 対局 game = testing::乱数対局(rng, 16);
  ASSERT_FALSE(game.勝負あり());
  Searcher searcher(4);
  const std::atomic<bool> stop{true};
  const auto move = searcher.think(game.局, game.局.手番, {}, stop);
  合法である(game, move);
  EXPECT_LT(searcher.nodes(), 10000u);
}

TEST(強い探索, 深さごとの報告の最後は返した手から始まる) {
  std::mt19937 rng(12);
  const 対局 game = testing::乱数対局(rng, 14);
  ASSERT_FALSE(game.勝負あり());
  std::vector<探索情報> infos;
  const auto move = 考える(game, {3, 0, 0}, &infos);
  ASSERT_TRUE(move.has_value());
  ASSERT_EQ(infos.size(), 3u);
  for (int d = 0; d < 3; ++d) EXPECT_EQ(infos[d].depth, d + 1);
  ASSERT_FALSE(infos.back().pv.empty());
  EXPECT_EQ(infos.back().pv.front(), *move);
}

TEST(強い探索, 対局できない局面では手を返さない) {
  対局 game = engine::start_game();
  game.局.手番 = 手番_なし;
  EXPECT_FALSE(考える(game, {2, 0, 0}).has_value());
  game.局.手番 = 手番_先手;
  Searcher searcher(4);
  EXPECT_FALSE(searcher.think(game.局, 手番_後手, {2, 0, 0}, kGo).has_value());
  game.局.手数 = 記録上限;
  EXPECT_FALSE(考える(game, {2, 0, 0}).has_value());
  game.局.手数 = 0;
  game.局.対局中 = 無;  // over, after a five
  EXPECT_FALSE(考える(game, {2, 0, 0}).has_value());
  game.局.対局中 = 有;
  EXPECT_TRUE(考える(game, {2, 0, 0}).has_value());
}

TEST(強い探索, ベンチの署名は同じ深さなら変わらず深さで変わる) {
  const 探索ベンチ結果 a = search_bench(engine::bench_positions(), 2);
  const 探索ベンチ結果 b = search_bench(engine::bench_positions(), 2);
  EXPECT_EQ(a.positions, 24);
  EXPECT_GT(a.nodes, 0u);
  EXPECT_EQ(a.signature, b.signature);
  EXPECT_EQ(a.nodes, b.nodes);
  EXPECT_NE(search_bench(engine::bench_positions(), 1).signature, a.signature);
}

}  // namespace
}  // namespace brenvolt
