#include "computer/strong/evaluation.h"

#include <array>

namespace brenvolt::strong {

namespace {

constexpr int kTempo = 12;

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

int evaluate(const Board& b) {
  const int lines = b.side_to_move() == kBlack ? b.line_score() : -b.line_score();
  return lines + kTempo;
}

}  // namespace brenvolt::strong
