// The board of a game drawn in text for the engine's d command.
#pragma once

#include <string>

#include "engine/move_judge.h"

namespace brenvolt::engine {

// Column labels, nine rows with their letters, both hands, the position line and whose turn
// it is ("turn b", "turn w", or "over b" / "over w" naming the side that made five).
std::string board_diagram(const 対局& game);

}  // namespace brenvolt::engine
