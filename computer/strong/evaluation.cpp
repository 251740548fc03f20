#include "computer/strong/evaluation.h"

#include <array>

#include "computer/strong/eval_weights.h"

namespace brenvolt::strong {

namespace {

// Placing a piece in a window holding n of one's own and nothing else (attack), or n of the
// other side's and nothing of one's own (defence).
constexpr int kAttack[6] = {1, 12, 120, 6000, 100000, 0};
constexpr int kDefence[6] = {0, 6, 70, 2500, 60000, 0};

using GainTable = std::array<std::array<int, 6>, 6>;
constexpr GainTable place_gains() {
  GainTable t{};
  for (int own = 0; own <= 5; ++own) {
    for (int theirs = 0; theirs <= 5; ++theirs) {
      t[own][theirs] = (theirs == 0 ? kAttack[own] : 0) + (own == 0 ? kDefence[theirs] : 0);
    }
  }
  return t;
}
constexpr GainTable kPlaceGain = place_gains();

}  // namespace

int place_gain(const Board& b, int sq, Colour c) {
  const WindowTable& t = window_table();
  const Colour o = other(c);
  int gain = 0;
  const int n = t.count_of_square[sq];
  for (int i = 0; i < n; ++i) {
    const int w = t.of_square[sq][i];
    gain += kPlaceGain[b.window_count(w, c)][b.window_count(w, o)];
  }
  return gain;
}

void score_by_gain(const Board& b, MoveList& list) {
  const Colour c = b.side_to_move();
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    int gain = place_gain(b, m.to(), c);
    if (!m.is_drop()) gain -= lift_loss(b, m.from(), c);
    list.scores[i] = gain;
  }
}

// The step down of its own windows, and the windows of the other side only this piece blocked.
int lift_loss(const Board& b, int sq, Colour c) {
  const WindowTable& t = window_table();
  const Colour o = other(c);
  int loss = 0;
  const int n = t.count_of_square[sq];
  for (int i = 0; i < n; ++i) {
    const int w = t.of_square[sq][i];
    const int own = b.window_count(w, c);
    const int theirs = b.window_count(w, o);
    if (theirs == 0) loss += kAttack[own - 1];
    if (own == 1) loss += kDefence[theirs];
  }
  return loss;
}

EvalFeatures features_of(const Board& b) {
  const Colour own = b.side_to_move();
  const Colour theirs = other(own);
  EvalFeatures f;
  for (int n = 1; n <= 4; ++n) {
    f.own_windows[n - 1] = b.windows_with(own, n);
    f.their_windows[n - 1] = b.windows_with(theirs, n);
  }
  f.own_hand = b.hand_total(own);
  f.their_hand = b.hand_total(theirs);
  return f;
}

int evaluate(const EvalFeatures& f, const EvalWeights& w) {
  int score = w.tempo + w.own_hand * f.own_hand - w.their_hand * f.their_hand;
  for (int i = 0; i < 4; ++i)
    score += w.own_window[i] * f.own_windows[i] - w.their_window[i] * f.their_windows[i];
  return score;
}

int evaluate(const Board& b) {
  return evaluate(features_of(b), kEvalWeights);
}

}  // namespace brenvolt::strong
