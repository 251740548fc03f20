// The positions the engine's benches start from, kept as literal position lines: what the
// benches measure then changes only when the rules or the computers change, never with the
// order in which moves happen to be generated.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "game/game_state.h"

namespace brenvolt::engine {

// The suite as written, in the order the benches take it.
std::span<const std::string_view> bench_position_lines();

// The suite read into game states (a new game's fields, then the line's position). Every line
// is a position of play that is not over and where the side to move has a move.
const std::vector<対局状態>& bench_positions();

}  // namespace brenvolt::engine
