// The sequential probability ratio test over game pairs: after each pair, the log-likelihood
// ratio of "the first player is ELO1 stronger" against "it is ELO0 stronger" decides whether
// the match can stop. The ratio is the generalised one (the pair distribution is unknown, only
// its mean is fixed by each hypothesis), in its usual normal approximation:
//   LLR = n (s1 - s0) (2 s - s0 - s1) / (2 σ²)
// with s the mean pair score (as a fraction), σ² its variance per pair, and s0, s1 the scores
// the two hypotheses expect.
#pragma once

#include <string>

#include "tools/match/statistics.h"

namespace brenvolt::match {

// How ELO0 and ELO1 are read: as logistic Elo (the usual rating difference), or as normalised
// Elo (see normalized_elo), whose hypotheses take the same number of pairs to decide whatever
// the draw rate.
enum class EloModel { logistic, normalized };

struct SprtSettings {
  double elo0 = 0;
  double elo1 = 0;
  double alpha = 0.05;  // the chance of accepting H1 when ELO0 is true
  double beta = 0.05;   // the chance of accepting H0 when ELO1 is true
  EloModel model = EloModel::logistic;
};

// The test stops when the LLR leaves [lower, upper]: lower = ln(β / (1 - α)) accepts H0,
// upper = ln((1 - β) / α) accepts H1.
struct SprtBounds {
  double lower = 0;
  double upper = 0;
};
SprtBounds sprt_bounds(const SprtSettings& settings);

double log_likelihood_ratio(const Pentanomial& pairs, const SprtSettings& settings);

enum class SprtVerdict { undecided, h0, h1 };
SprtVerdict sprt_verdict(double llr, const SprtBounds& bounds);

// "H0 accepted", "H1 accepted", "undecided".
std::string verdict_text(SprtVerdict verdict);

// The line a test's state is shown in: "sprt [0, 50] logistic: LLR +1.23 [-2.94, +2.94]".
std::string sprt_line(const Pentanomial& pairs, const SprtSettings& settings);

}  // namespace brenvolt::match
