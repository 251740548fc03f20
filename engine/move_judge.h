// Moves written as text matched against the match the protocol plays on: the game's turn
// judges and plays them, and this only translates its verdicts into protocol words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/match.h"
#include "game/move.h"
#include "game/turn.h"
#include "notation/notation.h"

namespace brenvolt::engine {

// A match at the start position with 先手 to move.
対局 start_game();

enum class Verdict { accepted, syntax, illegal, three, four, promote, over };
// "ok" for an accepted move, else the reason word: syntax illegal three four promote over.
std::string_view verdict_word(Verdict verdict);

struct Judgement {
  Verdict verdict = Verdict::syntax;
  着手 move;  // filled when accepted: 移動駒 leaves the source, 置駒 will stand
};

// Would a person be allowed to play this move in the game? The game's turn judges it, "+"
// asking for a promotion and its absence for none (see 着手判定). Only the double-pawn
// flags of the game may change.
Judgement judge_move(対局& game, const notation::MoveText& text);
Judgement judge_move(対局& game, std::string_view text);

// Records and plays an accepted move through the match (the winner of a five is noted there)
// and returns how the move ended. The protocol itself ignores a draw at the record's bound (a
// position may carry any move number); only self-play stops there.
結末 play_move(対局& game, const 着手& move);

// Hands the turn to the other side without a move (the computer found none).
void pass_turn(対局& game);

// Every move the side to move may play, as text sorted by byte value.
std::vector<std::string> legal_moves(対局& game);

}  // namespace brenvolt::engine
