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

TEST(CommandLine, ReviewTakesARecordAndANodeBudgetAndNoWindowOption) {
  auto s = コマンド行を読む({"--review", "game.brenvolt", "--review-nodes=5000"});
  EXPECT_TRUE(s.error.empty()) << s.error;
  EXPECT_EQ(s.review, "game.brenvolt");
  EXPECT_EQ(s.reviewNodes, 5000u);
  EXPECT_FALSE(s.record.has_value());
  // Without --review the budget is the window's review's.
  s = コマンド行を読む({"--review-nodes", "5000"});
  EXPECT_TRUE(s.error.empty()) << s.error;
  EXPECT_EQ(s.reviewNodes, 5000u);
  EXPECT_FALSE(コマンド行を読む({"--analysis"}).error.empty()) << "only with --screenshot";
  for (const char* nodes : {"0", "-1", "5k", ""}) {
    EXPECT_FALSE(コマンド行を読む({"--review", "g", "--review-nodes", nodes}).error.empty())
        << nodes;
  }
  EXPECT_FALSE(コマンド行を読む({"--review", "g", "--screenshot", "a.png"}).error.empty());
  EXPECT_FALSE(コマンド行を読む({"--review", "g", "other.brenvolt"}).error.empty());
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

TEST(CommandLine, HelpAndVersionAnswerAndTheLanguageAndSizeAreOnlyThereWhenGiven) {
  EXPECT_TRUE(コマンド行を読む({"--version"}).version);
  EXPECT_TRUE(コマンド行を読む({"-v"}).version);
  EXPECT_TRUE(コマンド行を読む({"-h"}).help);
  EXPECT_TRUE(コマンド行を読む({"--help"}).help);
  auto s = コマンド行を読む({});
  EXPECT_FALSE(s.language);
  EXPECT_FALSE(s.scale);
  EXPECT_FALSE(s.panel);
  s = コマンド行を読む({"--lang=en", "--scale", "2", "--panel"});
  EXPECT_TRUE(s.panel);
  EXPECT_TRUE(s.error.empty()) << s.error;
  EXPECT_EQ(s.language, "en");
  EXPECT_EQ(s.scale, 2.0);
}

TEST(CommandLine, ErrorsSayWhatWasWrongInTheirOwnWords) {
  EXPECT_EQ(コマンド行を読む({"--fullscreen"}).error, "unknown argument: --fullscreen");
  EXPECT_EQ(コマンド行を読む({"--scale"}).error, "--scale needs a value");
  EXPECT_EQ(コマンド行を読む({"--lang", "fr"}).error, "--lang takes ja or en, not \"fr\"");
  EXPECT_EQ(コマンド行を読む({"a.brenvolt", "b.brenvolt"}).error,
            "only one record can be opened: b.brenvolt");
}

TEST(CommandLine, ARecordNameThatIsNotUtf8IsKeptByteForByte) {
  const std::string name = "\xff\xfe game.brenvolt";
  EXPECT_EQ(コマンド行を読む({name}).record, name);
  EXPECT_EQ(コマンド行を読む({"--record", name}).record, name);
  EXPECT_EQ(コマンド行を読む({"--", "-dash.brenvolt"}).record, "-dash.brenvolt");
}

}  // namespace
}  // namespace brenvolt
