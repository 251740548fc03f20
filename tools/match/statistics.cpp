#include "tools/match/statistics.h"

#include <cmath>
#include <cstdio>

namespace brenvolt::match {

double elo_of_score(double score) {
  return -400.0 * std::log10(1.0 / score - 1.0);
}

double score_of_elo(double elo) {
  return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0));
}

PairMoments pair_moments(const std::array<double, 5>& weights) {
  PairMoments m;
  double total = 0;
  for (std::size_t k = 0; k < weights.size(); ++k) {
    total += weights[k];
    m.mean += weights[k] * static_cast<double>(k) / 4;
  }
  if (total <= 0) return {};
  m.mean /= total;
  for (std::size_t k = 0; k < weights.size(); ++k) {
    const double off = static_cast<double>(k) / 4 - m.mean;
    m.variance += weights[k] * off * off;
  }
  m.variance /= total;
  return m;
}

double normalized_elo(double score, double pair_variance) {
  if (pair_variance <= 0) return 0;
  const double game_deviation = std::sqrt(2 * pair_variance);
  return (score - 0.5) / game_deviation * 800 / std::log(10.0);
}

EloEstimate estimate_from(double score, double variance, int samples) {
  EloEstimate e;
  if (samples <= 0) return e;
  e.score = score;
  if (score >= 1 || score <= 0) {
    // All one way: the one-sided 95 % bound of a rate seen n times out of n.
    e.unbounded = true;
    const double low = std::pow(0.05, 1.0 / samples);
    e.bound = score >= 1 ? elo_of_score(low) : -elo_of_score(low);
    e.elo = score >= 1 ? INFINITY : -INFINITY;
    return e;
  }
  const double margin = 1.96 * std::sqrt(variance / samples);
  e.elo = elo_of_score(score);
  // The score's margin carried over to Elo by the slope of the Elo curve at the score; the
  // interval's ends themselves are not symmetric, and one past a score of 0 or 1 is unbounded.
  e.error = margin * 400 / (std::log(10.0) * score * (1 - score));
  e.low = score - margin <= 0 ? -INFINITY : elo_of_score(score - margin);
  e.high = score + margin >= 1 ? INFINITY : elo_of_score(score + margin);
  return e;
}

PairMoments pair_moments(const Pentanomial& pairs) {
  std::array<double, 5> weights{};
  for (std::size_t k = 0; k < weights.size(); ++k) weights[k] = pairs.counts[k];
  return pair_moments(weights);
}

EloEstimate pair_estimate(const Pentanomial& pairs) {
  const PairMoments m = pair_moments(pairs);
  return estimate_from(m.mean, m.variance, pairs.pairs());
}

namespace {

// "+120", "-35", "+0" (never "-0"), "+inf".
std::string signed_text(double elo) {
  if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
  char text[24];
  // Adding +0 turns a negative zero, and anything rounding to it, into +0.
  std::snprintf(text, sizeof text, "%+.0f", std::round(elo) + 0.0);
  return text;
}

}  // namespace

std::string elo_text(const EloEstimate& e) {
  char text[64];
  if (e.unbounded) {
    std::snprintf(text, sizeof text, " (95 %%: %s %.0f)", e.elo > 0 ? "above" : "below", e.bound);
    return "Elo " + signed_text(e.elo) + text;
  }
  std::snprintf(text, sizeof text, " ± %.0f (95 %%: ", e.error);
  return "Elo " + signed_text(e.elo) + text + signed_text(e.low) + " to " + signed_text(e.high) +
         ")";
}

std::string pentanomial_line(const Pentanomial& pairs) {
  const PairMoments m = pair_moments(pairs);
  const EloEstimate e = pair_estimate(pairs);
  const auto& c = pairs.counts;
  char text[96];
  std::snprintf(text, sizeof text, "pentanomial %d %d %d %d %d, score %.1f %%, ", c[0], c[1], c[2],
                c[3], c[4], 100 * e.score);
  std::string line = text + elo_text(e);
  if (!e.unbounded) line += ", normalized Elo " + signed_text(normalized_elo(m.mean, m.variance));
  return line;
}

}  // namespace brenvolt::match
