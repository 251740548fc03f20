#include "tools/match/sprt.h"

#include <cmath>
#include <cstdio>

namespace brenvolt::match {

namespace {

// An empty class weighs a quarter of a pair. Without it a run of identical pairs has no spread
// and would decide the test at its first pair; with it a test needs a handful of pairs, as a
// streak must be long to be unlikely, and a long match is left unchanged.
constexpr double kEmptyClassWeight = 0.25;

PairMoments regularised_moments(const Pentanomial& pairs) {
  std::array<double, 5> weights{};
  for (std::size_t k = 0; k < weights.size(); ++k) {
    weights[k] = pairs.counts[k] > 0 ? pairs.counts[k] : kEmptyClassWeight;
  }
  return pair_moments(weights);
}

// The mean pair score a hypothesis of `elo` expects, given the pairs' spread.
double expected_score(double elo, EloModel model, double pair_variance) {
  if (model == EloModel::logistic) return score_of_elo(elo);
  return 0.5 + elo * std::log(10.0) / 800 * std::sqrt(2 * pair_variance);
}

}  // namespace

SprtBounds sprt_bounds(const SprtSettings& settings) {
  return {std::log(settings.beta / (1 - settings.alpha)),
          std::log((1 - settings.beta) / settings.alpha)};
}

double log_likelihood_ratio(const Pentanomial& pairs, const SprtSettings& settings) {
  const int n = pairs.pairs();
  if (n == 0) return 0;
  const PairMoments m = regularised_moments(pairs);
  const double s0 = expected_score(settings.elo0, settings.model, m.variance);
  const double s1 = expected_score(settings.elo1, settings.model, m.variance);
  return n * (s1 - s0) * (2 * m.mean - s0 - s1) / (2 * m.variance);
}

SprtVerdict sprt_verdict(double llr, const SprtBounds& bounds) {
  if (llr >= bounds.upper) return SprtVerdict::h1;
  if (llr <= bounds.lower) return SprtVerdict::h0;
  return SprtVerdict::undecided;
}

std::string verdict_text(SprtVerdict verdict) {
  switch (verdict) {
    case SprtVerdict::h0:
      return "H0 accepted";
    case SprtVerdict::h1:
      return "H1 accepted";
    case SprtVerdict::undecided:
      break;
  }
  return "undecided";
}

std::string sprt_line(const Pentanomial& pairs, const SprtSettings& settings) {
  const SprtBounds bounds = sprt_bounds(settings);
  char text[160];
  std::snprintf(text, sizeof text, "sprt [%g, %g] %s: LLR %+.2f [%+.2f, %+.2f]", settings.elo0,
                settings.elo1, settings.model == EloModel::logistic ? "logistic" : "normalized",
                log_likelihood_ratio(pairs, settings), bounds.lower, bounds.upper);
  return text;
}

}  // namespace brenvolt::match
