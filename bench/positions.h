// The fixed suite of positions the computer's speed is measured on.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"

namespace brenvolt::bench {

struct 局面 {
  std::string 名前;  // category and number, e.g. "opening/3"
  対局状態 局;       // the computer plays the side to move
};

// Opening, middle game with many pieces in hand, late game with board moves only, and crowded
// threes and fours near the edges: eight of each, the same on every run.
const std::vector<局面>& 局面集();

}  // namespace brenvolt::bench
