// The computer's fixed first move of a game.
#pragma once

#include <optional>

#include "computer/classic/computer.h"

namespace brenvolt {

// When no move has been played yet, the computer playing COM側 drops its pawn on the centre square
// without searching. Nothing when a move has been played, or when that drop is one the rules refuse
// (a position set up by hand with the move counter still at 0: the centre taken, no pawn in
// hand, a pawn of its own already in the centre column, or a double-three or double-four
// there); the search decides instead. Refreshes the double-pawn flags; the board is left as
// it was.
std::optional<着手> 初手(対局状態& 局, int COM側);

}  // namespace brenvolt
