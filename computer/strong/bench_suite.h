// The search's bench over a suite of positions its caller keeps: each searched afresh to a fixed
// depth, the moves chosen hashed in order.
#pragma once

#include <vector>

#include "computer/strong/searcher.h"
#include "game/game_state.h"

namespace brenvolt {

探索ベンチ結果 search_bench(const std::vector<対局状態>& positions, int depth);

}  // namespace brenvolt
