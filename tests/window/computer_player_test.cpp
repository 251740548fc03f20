// The window's strong computer: its answer arrives through the platform, only for the search
// still current; a cancelled or replaced search, or one outliving the player, answers nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "notation/position_text.h"
#include "tests/support/recording_platform.h"
#include "window/computer_player.h"

namespace brenvolt {
namespace {

using testing::RecordingPlatform;
using testing::WorkMode;

// 先手 to move, with 銀 金 角 飛 on row 5 and 歩 in hand: a drop on either end makes five.
対局状態 五の一手前() {
  対局状態 局;
  std::string error;
  EXPECT_TRUE(notation::parse_position("9/9/9/9/RBGS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9", 局, error))
      << error;
  return 局;
}

bool 五になる(対局状態 局, const 着手& 手) {
  局.駒移動(手.元X, 手.元Y, 手.先X, 手.先Y, 手.置駒);
  return 局.調査_5並び(手番_先手, 手.先X, 手.先Y) == 有;
}

class ComputerPlayerTest : public ::testing::Test {
 protected:
  ComputerPlayer::Answer 記録する() {
    return [this](std::optional<着手> 手) { answers.push_back(手); };
  }
  void 考えさせる(ComputerPlayer& player, int level = 1) {
    player.start(五の一手前(), player.limits_for(level), 記録する());
  }

  RecordingPlatform platform;
  std::vector<std::optional<着手>> answers;
};

TEST_F(ComputerPlayerTest, 答えは探索した局面の手で一度だけ届く) {
  ComputerPlayer player(platform);
  考えさせる(player);
  ASSERT_EQ(answers.size(), 1u);
  ASSERT_TRUE(answers[0].has_value());
  EXPECT_TRUE(五になる(五の一手前(), *answers[0]));
  EXPECT_FALSE(player.thinking());
}

TEST_F(ComputerPlayerTest, 取り消した探索の答えは捨てられる) {
  platform.workMode = WorkMode::Held;
  ComputerPlayer player(platform);
  考えさせる(player);
  EXPECT_TRUE(player.thinking());
  const auto 世代 = player.generation();
  player.cancel();
  EXPECT_FALSE(player.thinking());
  EXPECT_GT(player.generation(), 世代);
  platform.finishHeld();
  EXPECT_TRUE(answers.empty());
}

TEST_F(ComputerPlayerTest, 新しい探索は古い探索を取り消し古い答えは届かない) {
  platform.workMode = WorkMode::Held;
  ComputerPlayer player(platform);
  考えさせる(player);
  std::vector<std::optional<着手>> 新しい答え;
  player.start(五の一手前(), player.limits_for(2),
               [&](std::optional<着手> 手) { 新しい答え.push_back(手); });
  platform.finishHeld();
  EXPECT_TRUE(answers.empty());
  ASSERT_EQ(新しい答え.size(), 1u);
  EXPECT_TRUE(新しい答え[0].has_value());
  // Nothing is running any more, so a late cancel changes nothing.
  const auto 世代 = player.generation();
  player.cancel();
  EXPECT_EQ(player.generation(), 世代);
}

TEST_F(ComputerPlayerTest, スレッドで考えた答えも今の探索なら届く) {
  platform.workMode = WorkMode::Threads;
  ComputerPlayer player(platform);
  考えさせる(player);
  platform.deliverThreads();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_TRUE(answers[0].has_value() && 五になる(五の一手前(), *answers[0]));
}

TEST_F(ComputerPlayerTest, 考え中のスレッドを止めると答えは捨てられ次の探索は答える) {
  platform.workMode = WorkMode::Threads;
  ComputerPlayer player(platform);
  // The start position has no forced move, so the search would use its whole budget.
  対局状態 初手;
  初手.初期設定();
  初手.手番 = 手番_先手;
  初手.対局中 = 有;
  player.start(初手, player.limits_for(強さ_最強), 記録する());
  player.cancel();
  考えさせる(player);
  platform.deliverThreads();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_TRUE(answers[0].has_value() && 五になる(五の一手前(), *answers[0]));
}

TEST_F(ComputerPlayerTest, 先に消えた相手には答えない) {
  platform.workMode = WorkMode::Threads;
  {
    ComputerPlayer player(platform);
    考えさせる(player, 強さ_最強);
  }
  platform.deliverThreads();
  EXPECT_TRUE(answers.empty());
}

TEST_F(ComputerPlayerTest, 上限は各レベルの持ち時間の内側で効く) {
  ComputerPlayer player(platform);
  player.set_caps({2, 500, 0});
  for (int level = 1; level <= 強さ_最強; ++level) {
    const 探索制限 own = level_limits(level);
    const 探索制限 limits = player.limits_for(level);
    EXPECT_EQ(limits.depth, own.depth == 0 ? 2 : std::min(own.depth, 2));
    EXPECT_EQ(limits.nodes, 500u);
    EXPECT_EQ(limits.seconds, own.seconds);
    // The level's weakenings stay under the caps.
    EXPECT_EQ(limits.grain, own.grain);
    EXPECT_EQ(limits.threat_moves, own.threat_moves);
  }
  player.set_caps({0, 0, 1000});
  EXPECT_EQ(player.limits_for(1).seconds, level_limits(1).seconds);
  player.set_level(強さ_最強 + 1);
  EXPECT_EQ(player.level(), 強さ_最強);
  player.set_level(-2);
  EXPECT_EQ(player.level(), 強さ_標準);
}

// Every core while it thinks, but one thread under a node or depth cap, where a search must
// give the same move every time.
TEST_F(ComputerPlayerTest, 機械の全スレッドで考え上限があれば一つで考える) {
  ComputerPlayer player(platform);
  EXPECT_EQ(player.threads(), machine_threads());
  player.set_caps({0, 500, 0});
  EXPECT_EQ(player.threads(), 1);
  player.set_caps({0, 0, 1000});
  EXPECT_EQ(player.threads(), machine_threads());
}

}  // namespace
}  // namespace brenvolt
