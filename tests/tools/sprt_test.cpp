// The match tool's statistics: Elo and its error from game pairs, and the sequential test's
// log-likelihood ratio and stop rule, against values worked out by hand from the formulas.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/match/sprt.h"
#include "tools/match/statistics.h"

namespace brenvolt::match {
namespace {

Pentanomial pairs_of(std::array<int, 5> counts) {
  Pentanomial p;
  p.counts = counts;
  return p;
}

// 20 pairs: mean pair score 13 / 20 = 0.65, variance 1.425 / 20 = 0.07125.
const Pentanomial kSample = pairs_of({1, 2, 5, 8, 4});

TEST(対局統計, 組の結果からEloと誤差を出す) {
  const PairMoments m = pair_moments(kSample);
  EXPECT_NEAR(m.mean, 0.65, 1e-12);
  EXPECT_NEAR(m.variance, 0.07125, 1e-12);
  const EloEstimate e = pair_estimate(kSample);
  EXPECT_NEAR(e.elo, 107.538, 1e-3);
  EXPECT_NEAR(e.error, 89.330, 1e-3);
  EXPECT_LT(e.low, e.elo);
  EXPECT_GT(e.high, e.elo);
  EXPECT_NEAR(normalized_elo(m.mean, m.variance), 138.057, 1e-3);
  EXPECT_NEAR(elo_of_score(score_of_elo(-250)), -250, 1e-9);

  // Every pair split one game each: no spread, no error, and no "-0".
  EXPECT_EQ(pentanomial_line(pairs_of({0, 0, 6, 0, 0})),
            "pentanomial 0 0 6 0 0, score 50.0 %, Elo +0 ± 0 (95 %: +0 to +0), normalized Elo +0");
  // Every pair won twice: unbounded, with the bound of a streak of 10 at 5 %.
  const EloEstimate all = pair_estimate(pairs_of({0, 0, 0, 0, 10}));
  EXPECT_TRUE(all.unbounded);
  EXPECT_NEAR(all.bound, elo_of_score(std::pow(0.05, 0.1)), 1e-9);
  EXPECT_EQ(pair_estimate(Pentanomial{}).elo, 0);
}

TEST(対局統計, 対数尤度比は仮説の型どおり) {
  EXPECT_NEAR(log_likelihood_ratio(kSample, {0, 50}), 2.29220, 1e-5);
  EXPECT_NEAR(log_likelihood_ratio(kSample, {-10, 10}), 1.21155, 1e-5);
  EXPECT_NEAR(log_likelihood_ratio(kSample, {0, 50, 0.05, 0.05, EloModel::normalized}), 1.87318,
              1e-5);
  // The evidence grows with the pairs: the same frequencies twice over double the ratio.
  const Pentanomial doubled = pairs_of({2, 4, 10, 16, 8});
  EXPECT_NEAR(log_likelihood_ratio(doubled, {0, 50}), 2 * 2.29220, 1e-4);
  EXPECT_EQ(log_likelihood_ratio(Pentanomial{}, {0, 50}), 0);
  EXPECT_EQ(sprt_line(kSample, {0, 50}), "sprt [0, 50] logistic: LLR +2.29 [-2.94, +2.94]");
}

TEST(対局統計, 境界を越えたら止まる) {
  const SprtBounds usual = sprt_bounds({0, 50});
  EXPECT_NEAR(usual.lower, -2.944439, 1e-6);
  EXPECT_NEAR(usual.upper, 2.944439, 1e-6);
  const SprtBounds uneven = sprt_bounds({0, 50, 0.05, 0.1});
  EXPECT_NEAR(uneven.lower, std::log(0.1 / 0.95), 1e-12);
  EXPECT_NEAR(uneven.upper, std::log(0.9 / 0.05), 1e-12);
  EXPECT_EQ(sprt_verdict(2.95, usual), SprtVerdict::h1);
  EXPECT_EQ(sprt_verdict(-2.95, usual), SprtVerdict::h0);
  EXPECT_EQ(sprt_verdict(2.9, usual), SprtVerdict::undecided);
  EXPECT_EQ(verdict_text(SprtVerdict::h1), "H1 accepted");
}

// Pairs that all end alike have no spread of their own: the test must neither divide by zero
// nor decide on the first pair, yet a long enough streak decides it.
TEST(対局統計, 同じ結果が続いても数組は止まらない) {
  const SprtSettings settings{0, 50};
  const SprtBounds bounds = sprt_bounds(settings);
  const auto first_decision = [&](int half_points) {
    Pentanomial p;
    for (int pair = 1; pair <= 100; ++pair) {
      p.add(half_points);
      const double llr = log_likelihood_ratio(p, settings);
      EXPECT_TRUE(std::isfinite(llr));
      if (sprt_verdict(llr, bounds) != SprtVerdict::undecided) return pair;
    }
    return 0;
  };
  const int wins = first_decision(4);
  EXPECT_GE(wins, 5);
  EXPECT_LE(wins, 20);
  const int splits = first_decision(2);
  EXPECT_GE(splits, 5);
  EXPECT_LE(splits, 40);
  Pentanomial streak;
  for (int i = 0; i < wins; ++i) streak.add(4);
  EXPECT_EQ(sprt_verdict(log_likelihood_ratio(streak, settings), bounds), SprtVerdict::h1);
}

}  // namespace
}  // namespace brenvolt::match
