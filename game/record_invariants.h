// Consistency of a move record with the game it records.
#pragma once

#include <string>

#include "game/game_state.h"
#include "game/move_record.h"

namespace brenvolt {

// The first broken rule, in words, or an empty text: 記録数 <= 記録終端 <= 記録上限, the
// game's 手数 is 記録_開始手数 + 記録数, and every held entry has a source the record can hold, a
// destination on the board and a piece leaving its source.
std::string 記録の不整合(const 手順記録& 記録, const 対局状態& 局);

}  // namespace brenvolt
