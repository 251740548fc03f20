// The game the protocol plays on, and moves written as text matched against it: the game's
// turn judges and plays them, and this only translates its verdicts into protocol words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/game_state.h"
#include "game/move.h"
#include "game/turn.h"
#include "notation/notation.h"

namespace brenvolt::engine {

struct Game {
  対局状態 局;
  // The side whose last move made an exact five, or 0 while play goes on.
  int winner = 0;
  bool over() const { return winner != 0; }
};

// A game at the start position with 先手 to move.
Game start_game();

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
Judgement judge_move(Game& game, const notation::MoveText& text);
Judgement judge_move(Game& game, std::string_view text);

// Plays an accepted move through the game's turn (着手実行), notes the winner of a five and
// returns how the move ended. The protocol itself ignores a draw at the record's bound (a
// position may carry any move number); only self-play stops there.
結末 play_move(Game& game, const 着手& move);

// Hands the turn to the other side without a move (the computer found none).
void pass_turn(Game& game);

// Every move the side to move may play, as text sorted by byte value.
std::vector<std::string> legal_moves(Game& game);

}  // namespace brenvolt::engine
