// The fixed positions the search's bench and benchmarks run on: games from the start position
// with seeded random legal moves, stopped after different numbers of moves, none of them over.
#pragma once

#include <vector>

#include "game/game_state.h"

namespace brenvolt {

std::vector<対局状態> search_bench_positions();

}  // namespace brenvolt
