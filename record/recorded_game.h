// A game together with its move record: everything a saved game brings back when it is opened.
#pragma once

#include "game/game_state.h"
#include "record/move_record.h"

namespace brenvolt {

struct 記録対局 {
  // The position at the record's cursor, with the mode, the sides and whose turn it is (手番
  // is 手番_なし and 対局中 is 無 once the game has ended).
  対局状態 局;
  // Every move up to the end of the record, the taken-back ones too, and the cursor.
  手順記録 記録;
  // The computer's level in a game against it; 0 is the standard computer.
  int 強さ = 0;
};

}  // namespace brenvolt
