// The computer's answers in a protocol game: it plays the side to move.
#pragma once

#include <optional>
#include <string_view>

#include "computer/classic/computer.h"
#include "engine/move_judge.h"

namespace brenvolt::engine {

// The computer's choice for the side to move; nothing when it has no move or the game is over.
std::optional<着手> computer_choice(const 対局& game, 探索統計* stats = nullptr);

struct ScoreAnswer {
  Verdict verdict = Verdict::syntax;
  int score = 0;  // valid when the move was accepted
};

// The score 調査_得点 gives the move as a candidate of the side to move, on the board the
// search prepares for it: the source emptied and the piece standing on the destination as
// written. Only moves a person could play are scored.
ScoreAnswer score_move(対局& game, std::string_view text);

}  // namespace brenvolt::engine
