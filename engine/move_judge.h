// The game the protocol plays on, and the rules a person's move must pass, in the order the
// window's turn flow applies them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "computer/computer.h"
#include "engine/notation.h"
#include "game/game_state.h"

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

// Would a person be allowed to play this move in the game? The tests run, in order: the
// move rule (double-pawn flags refreshed first), double-three, double-four, then promotion:
// a piece left with no move must promote, and "+" only where promotion is possible. Only
// 成駒 and the double-pawn flags of the game may change.
Judgement judge_move(Game& game, const notation::MoveText& text);
Judgement judge_move(Game& game, std::string_view text);

// Plays an accepted move: 駒移動 with the placed piece, 手数 + 1, the other side to move, and
// the five test at the destination and then around the vacated square.
void play_move(Game& game, const 着手& move);

// Hands the turn to the other side without a move (the computer found none).
void pass_turn(Game& game);

// Every move the side to move may play, as text sorted by byte value.
std::vector<std::string> legal_moves(Game& game);

std::string move_text(const 着手& move);

// The other side's value, which is also its pawn code.
int opponent_of(int side);

}  // namespace brenvolt::engine
