// brenvolt-tune: fits the strong computer's judgement to self-play results (logistic tuning).
// Reads the positions brenvolt-tune-positions writes, finds the scale K that makes
// sigmoid(K * judgement) best predict the results with the hand-set weights, then moves the
// weights (K fixed, so the scores keep their size) by gradient descent on the mean squared error,
// and writes computer/strong/eval_weights.h to standard output, the hands' weights taken at the
// share of the fit's that --hands names.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/command_number.h"
#include "tools/tune/fit.h"

namespace {

using namespace brenvolt;

constexpr const char* kUsage =
    "usage: brenvolt-tune POSITIONS [--epochs N] [--hands P]\n"
    "  Fits the judgement's weights to the results in POSITIONS (as brenvolt-tune-positions\n"
    "  writes them) over N passes (400), takes the hands' weights at P % of the fit's (100),\n"
    "  and writes the weights header to standard output.\n";

struct Options {
  const char* positions = nullptr;
  int epochs = 400;
  int hands = 100;
};

// A whole number within [low, high], or nothing.
std::optional<int> number(const char* text, int low, int high) {
  int value = 0;
  if (!tools::read_number(text, value) || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<Options> read_options(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return std::nullopt;
  Options options;
  options.positions = argv[1];
  for (int i = 2; i < argc; i += 2) {
    if (i + 1 >= argc) return std::nullopt;
    const std::string name = argv[i];
    std::optional<int> value;
    if (name == "--epochs") {
      value = number(argv[i + 1], 1, 1000000);
      if (value) options.epochs = *value;
    } else if (name == "--hands") {
      value = number(argv[i + 1], 0, 1000);
      if (value) options.hands = *value;
    }
    if (!value) return std::nullopt;
  }
  return options;
}

void write_header(const strong::EvalWeights& w, const tune::FitReport& r, int hands) {
  const auto four = [](const std::array<int, 4>& a) {
    return "{" + std::to_string(a[0]) + ", " + std::to_string(a[1]) + ", " + std::to_string(a[2]) +
           ", " + std::to_string(a[3]) + "}";
  };
  std::printf(
      "// The weights the strong computer judges positions with. Written by brenvolt-tune; the\n"
      "// command that remakes them from self-play is in tools/tune/README.md.\n"
      "// %d positions, K = %.6f, error %.6f before and %.6f after.\n"
      "// The hands' weights at %d %% of the fit's.\n"
      "#pragma once\n\n#include \"computer/strong/evaluation.h\"\n\n"
      "namespace brenvolt::strong {\n\n"
      "inline constexpr EvalWeights kEvalWeights = {\n"
      "    %s,  // own_window\n    %s,  // their_window\n"
      "    %d,  // own_hand\n    %d,  // their_hand\n    %d,  // tempo\n};\n\n"
      "}  // namespace brenvolt::strong\n",
      r.positions, r.k, r.error_before, r.error_after, hands, four(w.own_window).c_str(),
      four(w.their_window).c_str(), w.own_hand, w.their_hand, w.tempo);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = read_options(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  std::ifstream in(options->positions);
  std::string error;
  const auto samples = tune::read_samples(in, error);
  if (samples.empty()) {
    std::cerr << "brenvolt-tune: " << options->positions << ": "
              << (error.empty() ? "no positions" : error) << '\n';
    return 1;
  }
  tune::FitReport report;
  const strong::EvalWeights tuned =
      tune::fit(samples, tune::kHandSetWeights, options->epochs, report);
  write_header(tune::scale_hands(tuned, options->hands), report, options->hands);
  std::cerr << "brenvolt-tune: error " << report.error_before << " -> " << report.error_after
            << " (K " << report.k << ", " << report.positions << " positions)\n";
  return 0;
}
