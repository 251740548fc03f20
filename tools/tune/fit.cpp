#include "tools/tune/fit.h"

#include <array>
#include <cmath>
#include <optional>
#include <sstream>

#include "computer/strong/board.h"
#include "game/game_state.h"
#include "notation/position_text.h"
#include "tools/numbered_lines.h"

namespace brenvolt::tune {

namespace {

// The weights as one vector, and the features with the signs the judgement gives them, so that
// the judgement is their dot product.
constexpr int kParameters = 11;
using Vector = std::array<double, kParameters>;

Vector parameters_of(const strong::EvalWeights& w) {
  Vector p{};
  for (int i = 0; i < 4; ++i) {
    p[i] = w.own_window[i];
    p[4 + i] = w.their_window[i];
  }
  p[8] = w.own_hand;
  p[9] = w.their_hand;
  p[10] = w.tempo;
  return p;
}

strong::EvalWeights weights_of(const Vector& p) {
  strong::EvalWeights w;
  const auto whole = [](double x) { return static_cast<int>(std::lround(x)); };
  for (int i = 0; i < 4; ++i) {
    w.own_window[i] = whole(p[i]);
    w.their_window[i] = whole(p[4 + i]);
  }
  w.own_hand = whole(p[8]);
  w.their_hand = whole(p[9]);
  w.tempo = whole(p[10]);
  return w;
}

Vector signed_features(const strong::EvalFeatures& f) {
  Vector x{};
  for (int i = 0; i < 4; ++i) {
    x[i] = f.own_windows[i];
    x[4 + i] = -f.their_windows[i];
  }
  x[8] = f.own_hand;
  x[9] = -f.their_hand;
  x[10] = 1;
  return x;
}

double dot(const Vector& a, const Vector& b) {
  double s = 0;
  for (int i = 0; i < kParameters; ++i) s += a[i] * b[i];
  return s;
}

double sigmoid(double x) {
  return 1 / (1 + std::exp(-x));
}

double error_at(const std::vector<Vector>& xs, const std::vector<double>& results, const Vector& p,
                double k) {
  double sum = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double d = sigmoid(k * dot(p, xs[i])) - results[i];
    sum += d * d;
  }
  return sum / static_cast<double>(xs.size());
}

// The k in (0, 0.1] with the least error, by golden-section search (the error is unimodal in k).
double best_k(const std::vector<Vector>& xs, const std::vector<double>& results, const Vector& p) {
  const double g = (std::sqrt(5.0) - 1) / 2;
  double lo = 1e-5;
  double hi = 0.1;
  for (int i = 0; i < 60; ++i) {
    const double a = hi - g * (hi - lo);
    const double b = lo + g * (hi - lo);
    if (error_at(xs, results, p, a) < error_at(xs, results, p, b)) {
      hi = b;
    } else {
      lo = a;
    }
  }
  return (lo + hi) / 2;
}

// A line "<result> <position>", the result from 先手's view, as a sample from the side to move's.
std::optional<Sample> parse_sample(const std::string& line, std::string& why) {
  const auto space = line.find(' ');
  const std::string word = line.substr(0, space);
  対局状態 局;
  strong::Board board;
  const bool known_result = word == "1" || word == "0" || word == "0.5";
  if (space == std::string::npos || !known_result ||
      !notation::parse_position(line.substr(space + 1), 局, why) || !board.load(局)) {
    if (why.empty()) why = "not a result and a position";
    return std::nullopt;
  }
  const double black_result = word == "1" ? 1.0 : word == "0" ? 0.0 : 0.5;
  Sample s;
  s.features = strong::features_of(board);
  s.result = board.side_to_move() == strong::kBlack ? black_result : 1 - black_result;
  return s;
}

}  // namespace

std::vector<Sample> read_samples(std::istream& in, std::string& error) {
  return tools::read_numbered_lines<Sample>(in, parse_sample, error);
}

double mean_error(const std::vector<Sample>& samples, const strong::EvalWeights& w, double k) {
  std::vector<Vector> xs;
  std::vector<double> results;
  for (const Sample& s : samples) {
    xs.push_back(signed_features(s.features));
    results.push_back(s.result);
  }
  return error_at(xs, results, parameters_of(w), k);
}

// Full-batch gradient descent with Adam steps, which suit weights of very different sizes: each
// weight moves by about the learning rate a pass whatever its gradient's scale.
strong::EvalWeights fit(const std::vector<Sample>& samples, const strong::EvalWeights& start,
                        int epochs, FitReport& report) {
  std::vector<Vector> xs;
  std::vector<double> results;
  for (const Sample& s : samples) {
    xs.push_back(signed_features(s.features));
    results.push_back(s.result);
  }
  Vector p = parameters_of(start);
  const double k = best_k(xs, results, p);
  report.positions = static_cast<int>(samples.size());
  report.k = k;
  report.error_before = error_at(xs, results, p, k);
  Vector m{};
  Vector v{};
  const double beta1 = 0.9;
  const double beta2 = 0.999;
  for (int epoch = 1; epoch <= epochs; ++epoch) {
    Vector gradient{};
    for (std::size_t i = 0; i < xs.size(); ++i) {
      const double s = sigmoid(k * dot(p, xs[i]));
      const double common = 2 * (s - results[i]) * s * (1 - s) * k;
      for (int j = 0; j < kParameters; ++j) gradient[j] += common * xs[i][j];
    }
    const double rate = 2.0 * (1 - 0.9 * epoch / epochs);
    for (int j = 0; j < kParameters; ++j) {
      const double g = gradient[j] / static_cast<double>(xs.size());
      m[j] = beta1 * m[j] + (1 - beta1) * g;
      v[j] = beta2 * v[j] + (1 - beta2) * g * g;
      const double m_hat = m[j] / (1 - std::pow(beta1, epoch));
      const double v_hat = v[j] / (1 - std::pow(beta2, epoch));
      if (v_hat > 0) p[j] -= rate * m_hat / (std::sqrt(v_hat) + 1e-12);
    }
  }
  const strong::EvalWeights tuned = weights_of(p);
  report.error_after = error_at(xs, results, parameters_of(tuned), k);
  return tuned;
}

strong::EvalWeights scale_hands(const strong::EvalWeights& w, int percent) {
  const auto scaled = [percent](int weight) {
    return static_cast<int>(std::lround(weight * static_cast<double>(percent) / 100.0));
  };
  strong::EvalWeights result = w;
  result.own_hand = scaled(w.own_hand);
  result.their_hand = scaled(w.their_hand);
  return result;
}

}  // namespace brenvolt::tune
