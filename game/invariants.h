// Consistency of a game state: what every sequence of moves, drops, take-backs and replays must
// preserve. Used by the engine's self-play after every move and by the fuzz and fault checks.
#pragma once

#include <string>

#include "game/game_state.h"

namespace brenvolt {

// Each side owns this many pieces for the whole game: nothing is ever captured.
inline constexpr int 片側の駒数 = 11;

// The first broken rule of the state, in words, or an empty text when the state is sound:
// every square holds nothing or a piece code, index 0 of the board holds nothing, hand counts
// are within 0..2 of slot 0 empty, each total is the sum of its counts, each side has 11
// pieces on the board and in hand together (once a game was set up: a state never set up has
// nothing anywhere), and 手数 is within 0..記録上限.
std::string 状態の不整合(const 対局状態& 局);

}  // namespace brenvolt
