// The computer's fixed first move of a game.
#pragma once

#include <optional>

#include "computer/computer.h"

namespace brenvolt {

// When no move has been played yet, the computer drops its pawn on the centre square without
// searching. Nothing when a move has been played, or when the centre is taken or the pawn is
// not in hand (a position set up by hand with the move counter still at 0): dropping there
// would overwrite a piece or take a pawn the hand does not hold, so the search decides instead.
std::optional<着手> 初手(const 対局状態& 局);

}  // namespace brenvolt
