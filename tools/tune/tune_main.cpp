// brenvolt-tune: fits the strong computer's judgement to self-play results (logistic tuning).
// Reads the positions brenvolt-tune-positions writes, finds the scale K that makes
// sigmoid(K * judgement) best predict the results with the hand-set weights, then moves the
// weights (K fixed, so the scores keep their size) by gradient descent on the mean squared error,
// and writes computer/strong/eval_weights.h to standard output.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/tune/fit.h"

namespace {

using namespace brenvolt;

constexpr const char* kUsage =
    "usage: brenvolt-tune POSITIONS [--epochs N]\n"
    "  Fits the judgement's weights to the results in POSITIONS (as brenvolt-tune-positions\n"
    "  writes them) over N passes (400) and writes the weights header to standard output.\n";

void write_header(const strong::EvalWeights& w, const tune::FitReport& r) {
  const auto four = [](const std::array<int, 4>& a) {
    return "{" + std::to_string(a[0]) + ", " + std::to_string(a[1]) + ", " + std::to_string(a[2]) +
           ", " + std::to_string(a[3]) + "}";
  };
  std::printf(
      "// The weights the strong computer judges positions with. Written by brenvolt-tune; the\n"
      "// command that remakes them from self-play is in tools/tune/README.md.\n"
      "// %d positions, K = %.6f, error %.6f before and %.6f after.\n"
      "#pragma once\n\n#include \"computer/strong/evaluation.h\"\n\n"
      "namespace brenvolt::strong {\n\n"
      "inline constexpr EvalWeights kEvalWeights = {\n"
      "    %s,  // own_window\n    %s,  // their_window\n"
      "    %d,  // own_hand\n    %d,  // their_hand\n    %d,  // tempo\n};\n\n"
      "}  // namespace brenvolt::strong\n",
      r.positions, r.k, r.error_before, r.error_after, four(w.own_window).c_str(),
      four(w.their_window).c_str(), w.own_hand, w.their_hand, w.tempo);
}

}  // namespace

int main(int argc, char** argv) {
  int epochs = 400;
  if (argc != 2 &&
      !(argc == 4 && std::string(argv[2]) == "--epochs" && (epochs = std::atoi(argv[3])) > 0)) {
    std::cerr << kUsage;
    return 2;
  }
  std::ifstream in(argv[1]);
  std::string error;
  const auto samples = tune::read_samples(in, error);
  if (samples.empty()) {
    std::cerr << "brenvolt-tune: " << argv[1] << ": " << (error.empty() ? "no positions" : error)
              << '\n';
    return 1;
  }
  tune::FitReport report;
  const strong::EvalWeights tuned = tune::fit(samples, tune::kHandSetWeights, epochs, report);
  write_header(tuned, report);
  std::cerr << "brenvolt-tune: error " << report.error_before << " -> " << report.error_after
            << " (K " << report.k << ", " << report.positions << " positions)\n";
  return 0;
}
