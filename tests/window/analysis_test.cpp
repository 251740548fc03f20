// The analysis: it starts on the position it is given and restarts only when that changes,
// keeps only reports of its current search, stops when turned off or paused, shows a forced
// five from 先手's side, and never changes the match it looks at.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/turn.h"
#include "tests/window/form1_fixture.h"
#include "window/analysis.h"

namespace brenvolt::testing {
namespace {

対局状態 開始局面() {
  対局 game;
  game.開始();
  return game.局;
}

対局状態 一手後() {
  対局 game;
  game.開始();
  game.指す(指せる手(game.局).front());
  return game.局;
}

class AnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.workMode = WorkMode::Held;
    analysis.set_caps({2, 0, 0});
    analysis.on_update = [this] { ++updates; };
  }
  RecordingPlatform platform;
  Analysis analysis{platform};
  int updates = 0;
};

TEST_F(AnalysisTest, 同じ局面では探索し直さず局面が変わると新しい世代で始める) {
  analysis.follow(開始局面(), false);
  EXPECT_EQ(platform.started, 0) << "off: nothing is searched";
  analysis.set_on(true);
  analysis.follow(開始局面(), false);
  const auto first = analysis.generation();
  EXPECT_EQ(platform.started, 1);
  analysis.follow(開始局面(), false);
  EXPECT_EQ(platform.started, 1);
  analysis.follow(一手後(), false);
  EXPECT_EQ(platform.started, 2);
  EXPECT_GT(analysis.generation(), first);
}

TEST_F(AnalysisTest, 古い局面の報せは捨てられ今の局面の報せだけが残る) {
  analysis.set_on(true);
  analysis.follow(開始局面(), false);
  analysis.follow(一手後(), false);
  platform.finishHeld();  // both searches run to their cap and post their depths
  ASSERT_GT(platform.postedCount(), 0u);
  platform.deliverPosted();
  ASSERT_TRUE(analysis.result().has_value());
  EXPECT_EQ(analysis.result()->手数, 1) << "the old position's reports were dropped";
  EXPECT_EQ(analysis.result()->情報.depth, 2);
  EXPECT_GT(updates, 0);
}

TEST_F(AnalysisTest, 切るか止めると報せは届かず結果も消える) {
  analysis.set_on(true);
  analysis.follow(開始局面(), false);
  platform.finishHeld();
  analysis.follow(開始局面(), true);  // paused while the computer thinks
  platform.deliverPosted();
  EXPECT_FALSE(analysis.result().has_value());
  EXPECT_FALSE(analysis.analysing());
  analysis.follow(開始局面(), false);  // resumed
  EXPECT_EQ(platform.started, 2);
  analysis.set_on(false);
  platform.finishHeld();
  platform.deliverPosted();
  EXPECT_FALSE(analysis.result().has_value());
  EXPECT_EQ(updates, 0);
}

TEST(AnalysisDisplayTest, 詰みは先手から見た手数で示す) {
  検討の結果 結果;
  結果.情報.mate = true;
  結果.情報.score = 3;  // the side to move makes five in 3 plies: 2 moves of its own
  結果.手番 = 手番_先手;
  EXPECT_EQ(検討の表示を作る(結果).評価.japanese(), "2手で勝ち");
  結果.手番 = 手番_後手;
  EXPECT_EQ(検討の表示を作る(結果).評価.japanese(), "後手が2手で勝ち");
  結果.情報.mate = false;
  結果.情報.score = 40;  // good for 後手, to move
  EXPECT_EQ(検討の表示を作る(結果).評価.japanese(), "評価値 -40");
  EXPECT_EQ(検討の表示を作る(std::nullopt).評価.japanese(), "検討中");
}

class Form1AnalysisTest : public Form1Test {};

TEST_F(Form1AnalysisTest, 検討は試合を変えず切ると止まる) {
  form.検討.set_caps({2, 0, 0});
  platform.workMode = WorkMode::Held;
  form.START_Click();
  const 対局 前 = form.試合;
  const std::size_t 描画数 = canvas.calls.size();
  form.KENTOU_Click();
  EXPECT_TRUE(platform.menuChecked("KENTOU"));
  EXPECT_EQ(platform.started, 1);
  platform.finishHeld();
  platform.deliverPosted();
  form.検討を合わせる();
  EXPECT_TRUE(form.検討.result().has_value());
  EXPECT_EQ(form.試合, 前);
  // The board is left as it was, but for the best move's outline.
  for (std::size_t i = 描画数; i < canvas.calls.size(); ++i) {
    const DrawCall& c = canvas.calls[i];
    EXPECT_TRUE(c.kind == DrawCall::Refresh || (c.kind == DrawCall::Outline && c.colour == 検討色))
        << i;
  }
  form.KENTOU_Click();
  EXPECT_FALSE(platform.menuChecked("KENTOU"));
  EXPECT_FALSE(form.検討.analysing());
}

TEST_F(Form1AnalysisTest, 最善手は盤に囲まれ局面が変わるか切ると消える) {
  form.検討.set_caps({2, 0, 0});
  platform.workMode = WorkMode::Held;
  form.START_Click();
  form.KENTOU_Click();
  platform.finishHeld();
  platform.deliverPosted();
  const std::size_t 前 = canvas.calls.size();
  form.検討を合わせる();
  ASSERT_TRUE(form.検討.result().has_value());
  const 着手 最善 = form.検討.result()->情報.pv.front();
  std::vector<DrawCall> 囲み;
  for (std::size_t i = 前; i < canvas.calls.size(); ++i)
    if (canvas.calls[i].kind == DrawCall::Outline) 囲み.push_back(canvas.calls[i]);
  ASSERT_EQ(囲み.size(), 2u);
  EXPECT_EQ(囲み[0].colour, 検討色);
  EXPECT_TRUE(同じ位置(囲み[1], 最善.先X, 最善.先Y));
  // Erased where it was drawn once the position changes, and drawn again for the new one.
  const auto 消された = [&](std::size_t from) {
    int n = 0;
    for (std::size_t i = from; i < canvas.calls.size(); ++i) {
      const DrawCall& c = canvas.calls[i];
      if (c.kind != DrawCall::Outline || c.colour != 消去色) continue;
      for (const DrawCall& o : 囲み) n += c.x == o.x && c.y == o.y;
    }
    return n;
  };
  const std::size_t 指す前 = canvas.calls.size();
  form.試合.指す(最善);
  form.検討を合わせる();
  EXPECT_GE(消された(指す前), 2);
  platform.finishHeld();
  platform.deliverPosted();
  form.検討を合わせる();
  ASSERT_TRUE(form.検討.result().has_value());
  EXPECT_EQ(form.検討.result()->手数, 1);
  囲み.clear();
  for (std::size_t i = 指す前; i < canvas.calls.size(); ++i)
    if (canvas.calls[i].kind == DrawCall::Outline && canvas.calls[i].colour == 検討色)
      囲み.push_back(canvas.calls[i]);
  ASSERT_EQ(囲み.size(), 2u);
  const std::size_t 切る前 = canvas.calls.size();
  form.KENTOU_Click();
  EXPECT_GE(消された(切る前), 2);
}

// On real threads (and under ThreadSanitizer): the endless search reports while it runs and
// quitting stops it; the platform then joins its thread.
TEST_F(Form1AnalysisTest, 別のスレッドで探索し終了で止まる) {
  platform.workMode = WorkMode::Threads;
  form.START_Click();
  form.KENTOU_Click();
  for (int i = 0; i < 2000 && platform.postedCount() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  platform.deliverPosted();
  EXPECT_TRUE(form.検討.result().has_value());
  form.処理_終了();
  EXPECT_FALSE(form.検討.analysing());
  platform.deliverThreads();
  platform.deliverPosted();
  EXPECT_FALSE(form.検討.result().has_value());
}

}  // namespace
}  // namespace brenvolt::testing
