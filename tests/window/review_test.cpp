// The window's review: the same marks as the command line's at a node budget, shown in the
// panel and, for a marked move on the board, its best move outlined; forgotten once the record
// is another but kept while stepping through it; cancelled by a new game and on quit.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/turn.h"
#include "notation/record_file.h"
#include "tests/window/form1_fixture.h"
#include "window/game_review.h"

namespace brenvolt::testing {
namespace {

// 先手 drops a pawn where it blocks nothing and 後手 makes five at once: move 1 is ??.
constexpr const char* 五を許す棋譜 =
    "position sfen 9/9/9/9/gskn5/9/9/9/9 b KRBGS2N2L2Prbn2l2p 5 moves P*1c R*5e\n";
// 後手 lets 先手 make five on the fifth row: a longer record for the budgets to agree on.
constexpr const char* 長い棋譜 =
    "position startpos moves P*5e P*5d L*4e L*4d S*6e S*6d G*3e G*3d P*7e\n";

対局 読む(const char* 文) {
  対局 game;
  notation::RecordError error;
  EXPECT_TRUE(notation::read_record(文, game, error)) << notation::describe(error);
  return game;
}

class Form1ReviewTest : public Form1Test {
 protected:
  // As --review-nodes 3000 sets it.
  const 探索制限 予算{0, 3000, 0};
  void SetUp() override {
    Form1Test::SetUp();
    form.振り返り.set_budget(予算);
  }
  std::optional<振り返りの表示> 表示() const {
    return 振り返りの表示を作る(form.振り返り, form.試合);
  }
};

TEST_F(Form1ReviewTest, 窓の振り返りはコマンド行と同じ予算で同じ印を付ける) {
  for (const char* 文 : {五を許す棋譜, 長い棋譜}) {
    const 対局 game = 読む(文);
    form.対局を復元(game);
    platform.workMode = WorkMode::Threads;
    form.REVIEW_Click();
    ASSERT_TRUE(form.振り返り.running());
    platform.deliverThreads();
    platform.deliverPosted();
    ASSERT_TRUE(form.振り返り.result().has_value());
    const std::atomic<bool> never{false};
    const auto expected = 棋譜を講評する(game, 予算, {}, never);
    const auto shown = 表示();
    ASSERT_TRUE(shown.has_value());
    ASSERT_EQ(shown->印.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(shown->印[i + 1], 印の文字(expected[i].印)) << 文 << " move " << i + 1;
      EXPECT_EQ((*form.振り返り.result())[i], expected[i]);
    }
    EXPECT_NE(std::find(shown->印.begin(), shown->印.end(), "??"), shown->印.end())
        << "the five allowed is marked";
  }
}

TEST_F(Form1ReviewTest, 印の手では最善手を示し盤に囲み他の手へ移ると消す) {
  form.対局を復元(読む(五を許す棋譜));
  platform.workMode = WorkMode::AtOnce;
  form.REVIEW_Click();
  platform.deliverPosted();
  form.手目へ(1);
  const std::size_t 前 = canvas.calls.size();
  form.検討を合わせる();
  const auto 最善 = 印の手の最善手(form.振り返り, 1);
  ASSERT_TRUE(最善.has_value());
  ASSERT_TRUE(表示()->最善手.has_value());
  std::vector<DrawCall> 囲み;
  for (std::size_t i = 前; i < canvas.calls.size(); ++i) {
    if (canvas.calls[i].kind == DrawCall::Outline && canvas.calls[i].colour == 最善手色)
      囲み.push_back(canvas.calls[i]);
  }
  ASSERT_EQ(囲み.size(), 2u);
  EXPECT_TRUE(同じ位置(囲み[1], 最善->先X, 最善->先Y));
  form.手目へ(2);
  form.検討を合わせる();
  EXPECT_FALSE(表示()->最善手.has_value()) << "move 2 is not marked";
  form.手目へ(0);
  form.検討を合わせる();
  EXPECT_TRUE(form.振り返り.result().has_value()) << "stepping through keeps the review";
}

TEST_F(Form1ReviewTest, 棋譜が変わるか新しい対局か終了で振り返りは消え報せも捨てる) {
  form.対局を復元(読む(長い棋譜));
  platform.workMode = WorkMode::AtOnce;
  form.REVIEW_Click();
  platform.deliverPosted();
  ASSERT_TRUE(form.振り返り.result().has_value());
  // Taking a move back keeps the record; playing another in its place makes another.
  const auto 戻した = form.試合.戻す();
  form.検討を合わせる();
  ASSERT_TRUE(戻した.has_value());
  EXPECT_TRUE(form.振り返り.result().has_value());
  for (const 着手& 手 : 指せる手(form.局)) {
    if (手.先X == 戻した->先X && 手.先Y == 戻した->先Y) continue;
    form.試合.指す(手);
    break;
  }
  form.検討を合わせる();
  EXPECT_FALSE(form.振り返り.result().has_value());

  // A new game while the review runs cancels it; its reports are dropped.
  form.対局を復元(読む(長い棋譜));
  platform.workMode = WorkMode::Held;
  form.REVIEW_Click();
  form.START_Click();
  form.検討を合わせる();
  EXPECT_FALSE(form.振り返り.running());
  platform.finishHeld();
  platform.deliverPosted();
  EXPECT_FALSE(form.振り返り.result().has_value());
  EXPECT_FALSE(表示().has_value());

  form.対局を復元(読む(長い棋譜));
  form.REVIEW_Click();
  form.処理_終了();
  EXPECT_FALSE(form.振り返り.running());
  platform.finishHeld();
  platform.deliverPosted();
  EXPECT_FALSE(form.振り返り.result().has_value());
}

TEST(EvaluationGraphValueTest, 詰みと五は端に点数は比で描く) {
  using 種類 = 講評の評価::種類;
  EXPECT_EQ(グラフの値({種類::詰み, -3}), -1.0);
  EXPECT_EQ(グラフの値({種類::詰み, 2}), 1.0);
  EXPECT_EQ(グラフの値({種類::五, 手番_後手}), -1.0);
  EXPECT_EQ(グラフの値({種類::点数, 500}), 0.5);
  EXPECT_EQ(グラフの値({種類::点数, -5000}), -1.0);
}

}  // namespace
}  // namespace brenvolt::testing
