// The turn: judging a move a side wants to make, and playing a move that was accepted. The
// window, the computer's move on screen, replay and the engine all go through these and only
// translate the verdict and the outcome into their own answer (a sound and a box, a protocol
// word).
#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "game/move.h"

namespace brenvolt {

// Why a move may not be played, or 可 when it may.
enum class 判定 {
  可,
  対局なし,  // no game runs (none started, or it is over)
  不可,      // the side has no such piece, or the piece cannot move so
  三三,      // a double three
  四四,      // a double four
  成り,      // promotion asked where it is impossible, or not asked where it is compulsory
};

// How the side wants the piece to arrive.
enum class 成り方 {
  成らない,      // unpromoted; refused where the piece would have no move left
  成る,          // promoted; refused where the move cannot promote
  成れれば成る,  // promoted where the move can promote, else unpromoted
};

struct 着手判定の答え {
  判定 結果 = 判定::不可;
  着手 手{};  // filled when 可: the piece leaving the source and the piece that will stand
};

// Would 局.手番 be allowed to play 移動駒 from (元X, 元Y) to (先X, 先Y)? The tests run in this
// order: a running game; the piece belongs to the side (in hand, for a drop); the move rule with
// the double-pawn flags refreshed first; double three; double four; then promotion. Only the
// double-pawn flags of 局 may change, and only once the piece is found to be the side's.
着手判定の答え 着手判定(対局状態& 局, int 元X, int 元Y, int 先X, int 先Y, int 移動駒, 成り方 成り);

using 五桝 = std::array<std::pair<int, int>, 5>;

// The five squares of an exact five of 手番 through (x, y), from one end to the other; when
// several lines through it are exact fives, the last of vertical, horizontal, falling and
// rising diagonal. Nothing when there is none or (x, y) is off the board.
std::optional<五桝> 五並びの桝(const 対局状態& 局, int 手番, int x, int y);

enum class 結末 {
  続行,      // play goes on
  五並び,    // the mover made an exact five
  引き分け,  // the record's bound is reached without a five
};

struct 着手の結果 {
  結末 結果 = 結末::続行;
  int 手番 = 手番_なし;  // the side that moved
  int 五X = 0;  // with 五並び: the square the five was found from (the destination, or a
  int 五Y = 0;  // neighbour of the vacated source)
  五桝 五{};    // with 五並び: the line's squares
};

// How a move of 手番 from (元X, 元Y) to (先X, 先Y), already on the board of 局, ends: a five
// through the destination, else a five next to the vacated source (see 終了_判定周囲), else
// the draw once a running game has 記録上限 moves.
着手の結果 着手後の結末(const 対局状態& 局, int 手番, int 元X, int 元Y, int 先X, int 先Y);

// A running game has reached the record's bound: it is drawn and takes no further move.
bool 手数上限(const 対局状態& 局);

// May 局.手番 play any move at all? A side without one can only pass (the computer does).
// Only the double-pawn flags of 局 may change.
bool 指せる手がある(対局状態& 局);

// Every move 局.手番 may play, as the turn accepts it (置駒 the piece that will stand): the
// side's pieces on the board square by square (column, then row), then its hand kinds 1..8,
// each to the empty squares in that order, without promotion and then with it. Only the
// double-pawn flags of 局 may change.
std::vector<着手> 指せる手(対局状態& 局);

// Plays an accepted move: 駒移動 with the piece that will stand, 手数 + 1, the other side to
// move, and the outcome. A five ends the game (対局中 ← 無); a draw is only reported, since
// only the record the caller keeps has a bound.
着手の結果 着手実行(対局状態& 局, const 着手& 手);

}  // namespace brenvolt
