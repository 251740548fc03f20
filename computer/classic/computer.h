// The computer opponent: the score of a candidate move and the one-ply choice of the move.
// Plain C++ over the game state; the window plays the chosen move.
#pragma once

#include <cstdint>
#include <optional>

#include "game/game_state.h"
#include "game/move.h"

namespace brenvolt {

// Counters for benchmarks and the engine's bench command.
struct 探索統計 {
  // Candidate scores worked out: the step-by-step search counts its calls of 調査_得点; the
  // game's search scores each board move once and each drop square once, whatever the piece.
  std::uint64_t 得点計算数 = 0;
};

// Any piece of either side on the up to eight squares around (IN_X, IN_Y)?
int 調査_周囲駒有(const 対局状態& 局, int IN_X, int IN_Y);

// The score of a candidate for the computer playing COM側 against the other side, the board
// already showing the position after it. Writes trial pieces on the source and destination;
// the caller restores both squares.
int 調査_得点(対局状態& 局, int COM側, int IN_元X, int IN_元Y, int IN_先X, int IN_先Y);

// The computer's choice for COM側 (against the other side): the fixed opening drop when 手数 is 0
// (as long as the centre is free and the pawn in hand), else the first best-scored candidate.
// Nothing when no candidate exists (the computer passes). The board and hands are unchanged on
// return; the double-pawn flags are refreshed.
std::optional<着手> com_ban_探索(対局状態& 局, int COM側, 探索統計* 統計 = nullptr);

}  // namespace brenvolt
