// The static judgement of a position and the ordering value of a move, both read from the
// five-square windows the board keeps: a window holding pieces of one side only is that
// side's potential line, worth more the fuller it is.
#pragma once

#include "computer/strong/board.h"

namespace brenvolt::strong {

// From the side to move's view.
int evaluate(const Board& b);

// For ordering moves, not for scoring: what a piece of c placed on the empty square sq does
// for c's windows and against the other side's, and what taking c's piece off sq gives up.
// A board move's gain is place_gain(to) - lift_loss(from) * 3 / 4.
int place_gain(const Board& b, int sq, Colour c);
int lift_loss(const Board& b, int sq, Colour c);

}  // namespace brenvolt::strong
