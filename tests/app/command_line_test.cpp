#include "app/command_line.h"

#include <gtest/gtest.h>

namespace brenvolt {
namespace {

TEST(CommandLine, NoArgumentsPlaysTheGame) {
  const auto s = コマンド行を読む({});
  EXPECT_TRUE(s.error.empty());
  EXPECT_FALSE(s.screenshot);
  EXPECT_FALSE(s.position);
  EXPECT_FALSE(s.help);
}

TEST(CommandLine, ScreenshotWithAndWithoutAPosition) {
  auto s = コマンド行を読む({"--screenshot", "out.png"});
  EXPECT_TRUE(s.error.empty());
  EXPECT_EQ(s.screenshot, "out.png");
  s = コマンド行を読む({"--position", "9/9/9/9/9/9/9/9/9 b - 1", "--screenshot=a b.png"});
  EXPECT_TRUE(s.error.empty());
  EXPECT_EQ(s.screenshot, "a b.png");
  EXPECT_EQ(s.position, "9/9/9/9/9/9/9/9/9 b - 1");
}

TEST(CommandLine, QtOptionsAreLeftToQt) {
  const auto s = コマンド行を読む({"-platform", "offscreen", "--screenshot", "x.png", "-reverse"});
  EXPECT_TRUE(s.error.empty()) << s.error;
  EXPECT_EQ(s.screenshot, "x.png");
}

TEST(CommandLine, UnusableCommandLinesAreRefused) {
  EXPECT_FALSE(コマンド行を読む({"--screenshot"}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--screenshot="}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--position", "9/9/9/9/9/9/9/9/9 b - 1"}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--screenshot", "a.png", "--position"}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--fullscreen"}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"a.brenvolt", "b.brenvolt"}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--record"}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--record="}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--screenshot", "a.png", "--record", "a.brenvolt", "--position",
                                 "9/9/9/9/9/9/9/9/9 b - 1"})
                   .error.empty());
}

TEST(CommandLine, ARecordOpensWithOrWithoutAScreenshot) {
  auto s = コマンド行を読む({"game.brenvolt"});
  EXPECT_TRUE(s.error.empty()) << s.error;
  EXPECT_EQ(s.record, "game.brenvolt");
  EXPECT_FALSE(s.screenshot);
  s = コマンド行を読む({"--screenshot", "out.png", "--record", "-odd name.brenvolt"});
  EXPECT_TRUE(s.error.empty()) << s.error;
  EXPECT_EQ(s.record, "-odd name.brenvolt");
  EXPECT_EQ(s.screenshot, "out.png");
  s = コマンド行を読む({"--record=a=b.brenvolt", "-platform", "offscreen"});
  EXPECT_TRUE(s.error.empty()) << s.error;
  EXPECT_EQ(s.record, "a=b.brenvolt");
}

}  // namespace
}  // namespace brenvolt
