// Moves as written, matched with the moves of a game: the text a move of the game is written
// as, and the move of the game a text names for the side to move.
#pragma once

#include <string>

#include "game/game_state.h"
#include "game/move.h"
#include "game/turn.h"
#include "notation/notation.h"

namespace brenvolt::notation {

// The move `text` names for 局.手番, as asked: the source and the piece on it (for a drop, the
// side's piece of that kind when its hand holds one, else 空, which the turn refuses), and as
// 置駒 the promoted piece when "+" asks for one (空 for a piece that cannot promote), else the
// moving piece itself.
着手 move_of(const 対局状態& 局, const MoveText& text);

// The turn's verdict on the move `text` names for 局.手番, "+" asking for a promotion and its
// absence for none. Only the double-pawn flags of 局 may change.
着手判定の答え judge(対局状態& 局, const MoveText& text);

// The text of a move of the game, promoting where 置駒 is not the moving piece.
MoveText text_of(const 着手& move);
std::string format_move(const 着手& move);

}  // namespace brenvolt::notation
