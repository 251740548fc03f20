// The static judgement of a position and the ordering value of a move, both read from the
// five-square windows the board keeps: a window holding pieces of one side only is that
// side's potential line, worth more the fuller it is.
#pragma once

#include <array>

#include "computer/strong/board.h"
#include "computer/strong/move_list.h"

namespace brenvolt::strong {

// What the judgement reads of a position, from the side to move's view: the windows holding
// 1 to 4 pieces of one side only, the side to move's and the other's, and both hands' sizes.
struct EvalFeatures {
  std::array<int, 4> own_windows{};    // [n - 1]: windows with n of the side to move's pieces
  std::array<int, 4> their_windows{};  // the same for the other side
  int own_hand = 0;
  int their_hand = 0;
};

// The judgement's weights: a window of n pieces is worth more to the side about to move than
// the same window is to the side that has just moved, and a piece in hand is a drop still to
// come. tools/tune fits them to self-play results; kEvalWeights are the ones in play.
struct EvalWeights {
  std::array<int, 4> own_window{};
  std::array<int, 4> their_window{};
  int own_hand = 0;
  int their_hand = 0;
  int tempo = 0;
};

EvalFeatures features_of(const Board& b);
int evaluate(const EvalFeatures& f, const EvalWeights& w);

// From the side to move's view, with kEvalWeights.
int evaluate(const Board& b);

// For ordering moves, not for scoring: what a piece of c placed on the empty square sq does
// for c's windows and against the other side's, and what taking c's piece off sq gives up.
// A board move's gain is place_gain(to) - lift_loss(from) * 3 / 4.
int place_gain(const Board& b, int sq, Colour c);
int lift_loss(const Board& b, int sq, Colour c);

// Scores every move of list, for the side to move, by place_gain(to) - lift_loss(from): the
// threat searches' order, where a lifted piece counts in full.
void score_by_gain(const Board& b, MoveList& list);

}  // namespace brenvolt::strong
