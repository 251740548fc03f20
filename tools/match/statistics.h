// Elo from match results: the logistic curve between a score and an Elo difference, and the
// estimate with its 95 % error from results counted by game pair (pentanomial statistics).
#pragma once

#include <array>
#include <string>

namespace brenvolt::match {

// The Elo difference at which the stronger side expects `score` (0..1 exclusive), and back.
double elo_of_score(double score);
double score_of_elo(double elo);

// Pairs of games, one opening played twice with the colours swapped: counts[k] holds the pairs
// in which the first player scored k half points (0, ½, 1, 1½ or 2 points). Games of one pair
// share an opening and are not independent; counting pairs keeps the spread they share.
struct Pentanomial {
  std::array<int, 5> counts{};
  // A pair worth `half_points` (0..4) to the first player.
  void add(int half_points) { ++counts.at(half_points); }
  int pairs() const { return counts[0] + counts[1] + counts[2] + counts[3] + counts[4]; }
};

// The mean and the variance of one pair's score as a fraction of its two points, over weights
// per pentanomial class (counts, or counts with a prior added). Both 0 when the weights sum to 0.
struct PairMoments {
  double mean = 0;
  double variance = 0;
};
PairMoments pair_moments(const std::array<double, 5>& weights);
PairMoments pair_moments(const Pentanomial& pairs);

// The normalised Elo of a score and a pair variance: the logistic Elo divided by twice the
// standard deviation of one game's score (a pair's spread times √2), in the units that make
// it the logistic Elo when no game is drawn and the difference is small. It measures how many
// pairs a difference takes to show, whatever the draw rate.
double normalized_elo(double score, double pair_variance);

// Score and Elo difference from the first player's view: the estimate, its 95 % error (±) and
// the ends of the 95 % interval. When the first player won or lost every game the estimate is
// unbounded and `bound` holds the Elo the interval's other end reaches.
struct EloEstimate {
  double score = 0;  // 0..1
  double elo = 0;
  double error = 0;
  double low = 0;
  double high = 0;
  bool unbounded = false;
  double bound = 0;
};

// From n samples of a score whose spread is `variance` per sample. The sample's
// all-or-nothing probability bound of 5 % gives `bound` when score is 0 or 1.
EloEstimate estimate_from(double score, double variance, int samples);
// From pairs: the error comes from the spread of the pair scores.
EloEstimate pair_estimate(const Pentanomial& pairs);

// "Elo +222 ± 203 (95 %: +60 to +inf)", or "Elo +inf (95 %: above 120)" when unbounded.
std::string elo_text(const EloEstimate& e);

// "pentanomial 1 3 6 10 17, score 76.4 %, Elo +206 ± 60 (95 %: +150 to +270), normalized Elo
// +410": the pair counts from 0 to 2 points, then the estimate.
std::string pentanomial_line(const Pentanomial& pairs);

}  // namespace brenvolt::match
