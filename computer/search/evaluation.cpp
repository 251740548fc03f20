#include "computer/search/evaluation.h"

namespace brenvolt::strong {

namespace {

constexpr int kTempo = 12;

// Placing a piece in a window holding n of one's own and nothing else (attack), or n of the
// other side's and nothing of one's own (defence).
constexpr int kAttack[6] = {1, 12, 120, 6000, 100000, 0};
constexpr int kDefence[6] = {0, 6, 70, 2500, 60000, 0};

int place_gain(const Board& b, int sq, Colour c) {
  const WindowTable& t = window_table();
  const Colour o = other(c);
  int gain = 0;
  const int n = t.count_of_square[sq];
  for (int i = 0; i < n; ++i) {
    const int w = t.of_square[sq][i];
    const int own = b.window_count(w, c);
    const int theirs = b.window_count(w, o);
    if (theirs == 0) gain += kAttack[own];
    if (own == 0) gain += kDefence[theirs];
  }
  return gain;
}

// What taking c's piece off sq gives up: the step down of its own windows, and the windows of
// the other side that only this piece blocked.
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

}  // namespace

int evaluate(const Board& b) {
  const int lines = b.side_to_move() == kBlack ? b.line_score() : -b.line_score();
  return lines + kTempo;
}

int move_gain(const Board& b, Move m) {
  const Colour c = b.side_to_move();
  int gain = place_gain(b, m.to(), c);
  if (!m.is_drop()) gain -= lift_loss(b, m.from(), c) * 3 / 4;
  return gain;
}

}  // namespace brenvolt::strong
