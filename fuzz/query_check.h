// The queries that try pieces on the board must leave the game as they found it.
#pragma once

#include <string>

#include "game/game_state.h"

namespace brenvolt::fuzz {

// Runs the movement, five, double-three and double-four queries for one piece of the side to
// move (the `pick`-th of its board pieces and hand kinds, counted round) towards every empty
// square. Returns what a query changed, or an empty text when the board, the hands and the
// turn are exactly as before.
std::string 照会後の変化(対局状態& 局, unsigned pick);

}  // namespace brenvolt::fuzz
