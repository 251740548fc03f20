// The static judgement of a position and the ordering value of a move, both read from the
// five-square windows the board keeps: a window holding pieces of one side only is that
// side's potential line, worth more the fuller it is.
#pragma once

#include "computer/search/board.h"

namespace brenvolt::strong {

// From the side to move's view.
int evaluate(const Board& b);

// How much a move of the side to move does for its own windows and against the other side's,
// minus what leaving the source square gives up; for ordering moves, not for scoring.
int move_gain(const Board& b, Move m);

}  // namespace brenvolt::strong
