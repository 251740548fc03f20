// The judgement's tuner: reading self-play positions, and a fit that finds what decides games.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/tune/fit.h"

namespace brenvolt::tune {
namespace {

TEST(Tune, ResultsAreReadFromTheSideToMovesView) {
  std::istringstream in(
      "1 9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1\n"
      "1 9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2\n"
      "0.5 9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2\n");
  std::string error;
  const auto samples = read_samples(in, error);
  ASSERT_EQ(samples.size(), 3u) << error;
  EXPECT_EQ(samples[0].result, 1.0);
  EXPECT_EQ(samples[1].result, 0.0);  // 先手 won, 後手 to move
  EXPECT_EQ(samples[2].result, 0.5);
  EXPECT_EQ(samples[1].features.their_windows[0], 20);  // five windows a line through the centre
  EXPECT_EQ(samples[1].features.own_hand, 11);
  EXPECT_EQ(samples[1].features.their_hand, 10);
}

TEST(Tune, ALineThatDoesNotReadStopsTheReadingAndIsNamed) {
  for (const char* bad : {"2 9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1",
                          "1 9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1", "1"}) {
    std::istringstream in(std::string("1 9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1\n") + bad);
    std::string error;
    EXPECT_TRUE(read_samples(in, error).empty()) << bad;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

// When the side with more pieces in hand always wins, the fit gives the hand weight and lowers
// the error; weights of features no sample varies stay as they were.
TEST(Tune, TheFitLearnsWhatDecidesTheGamesAndLowersTheError) {
  std::vector<Sample> samples;
  for (int own = 0; own <= 11; ++own) {
    for (int theirs = 0; theirs <= 11; ++theirs) {
      Sample s;
      s.features.own_hand = own;
      s.features.their_hand = theirs;
      s.result = own > theirs ? 1.0 : own < theirs ? 0.0 : 0.5;
      samples.push_back(s);
    }
  }
  strong::EvalWeights start;
  start.own_hand = 1;
  start.their_hand = 1;
  start.own_window = {1, 6, 40, 250};
  FitReport report;
  const strong::EvalWeights tuned = fit(samples, start, 200, report);
  EXPECT_LT(report.error_after, report.error_before);
  EXPECT_GT(tuned.own_hand, 10);
  EXPECT_GT(tuned.their_hand, 10);
  EXPECT_EQ(tuned.own_window, start.own_window);
  EXPECT_NEAR(mean_error(samples, tuned, report.k), report.error_after, 1e-9);
}

// Only the hands change, each rounded to the nearest whole weight, a negative one too.
TEST(Tune, TheHandsAreScaledAloneAndRounded) {
  const strong::EvalWeights fitted = {{8, 26, 89, 250}, {4, 22, 93, 263}, 193, -205, -10};
  const strong::EvalWeights kept = scale_hands(fitted, 65);
  EXPECT_EQ(kept.own_hand, 125);     // 125.45
  EXPECT_EQ(kept.their_hand, -133);  // -133.25
  EXPECT_EQ(kept.own_window, fitted.own_window);
  EXPECT_EQ(kept.their_window, fitted.their_window);
  EXPECT_EQ(kept.tempo, fitted.tempo);
  EXPECT_EQ(scale_hands(fitted, 100).own_hand, 193);
}

}  // namespace
}  // namespace brenvolt::tune
