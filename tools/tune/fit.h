// Logistic tuning of the judgement: samples (a position's features and its game's result from
// the side to move's view), the error of a set of weights, and the fit. Plain C++.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "computer/strong/evaluation.h"

namespace brenvolt::tune {

// Where every fit starts: the weights set by hand before any tuning (windows of 1 to 4 pieces
// worth 1, 6, 40 and 250 to either side, hands worth nothing, 12 for the move), so that the
// same positions always give the same weights.
inline constexpr strong::EvalWeights kHandSetWeights = {{1, 6, 40, 250}, {1, 6, 40, 250}, 0, 0, 12};

struct Sample {
  strong::EvalFeatures features;
  double result = 0.5;  // 1 when the side to move went on to win, 0 when it lost
};

// Lines "<result> <position>", the result from 先手's view. A line that does not read stops the
// reading: nothing is returned and error names the line.
std::vector<Sample> read_samples(std::istream& in, std::string& error);

// Mean of (sigmoid(k * judgement) - result)^2.
double mean_error(const std::vector<Sample>& samples, const strong::EvalWeights& w, double k);

struct FitReport {
  int positions = 0;
  double k = 0;
  double error_before = 0;
  double error_after = 0;
};

// The weights that lower mean_error, from `start`, at the k that best fits `start`. A weight
// for a feature no sample shows keeps its value.
strong::EvalWeights fit(const std::vector<Sample>& samples, const strong::EvalWeights& start,
                        int epochs, FitReport& report);

// The weights with both hands' weights taken at percent of their value, rounded to the nearest
// (halves away from zero). Matches between searches that differ only in these two weights
// show the fit overrating the hands; tools/tune/README.md gives the share kept and its matches.
strong::EvalWeights scale_hands(const strong::EvalWeights& w, int percent);

}  // namespace brenvolt::tune
