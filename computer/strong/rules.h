// The game's rules on the strong computer's board: where a piece may go or be dropped,
// promotion, the double-three and double-four refusals, and the fives that end a game. Each
// answers exactly as the game's own tests do (the property tests compare them on random
// positions), but reads colours inside a wall instead of walking piece codes.
#pragma once

#include <array>
#include <cstdint>

#include "computer/line_patterns.h"
#include "computer/strong/board.h"

namespace brenvolt::strong {

// Calls f(to) for every empty square the piece on `from` may move to.
template <class F>
void for_each_destination(const Board& b, int from, F&& f) {
  const PieceMoves& pm = piece_moves();
  const Colour c = b.colour(from);
  const Kind k = b.kind(from);
  const int steps = pm.step_count[c][k][from];
  for (int i = 0; i < steps; ++i) {
    const int to = pm.steps[c][k][from][i];
    if (b.empty(to)) f(to);
  }
  const int slides = pm.slide_count[c][k];
  for (int i = 0; i < slides; ++i) {
    const int step = pm.slides[c][k][i];
    for (int to = from + step; b.empty(to); to += step) f(to);
  }
}

// May the piece on `from` move to the empty square `to`?
bool can_move_to(const Board& b, int from, int to);

// May colour c drop kind k on the empty square `to` (hand count not looked at)?
bool drop_allowed(const Board& b, Colour c, Kind k, int to);

// A board move of kind k of colour c from `from` to `to`: may it promote, must it?
bool may_promote(Colour c, Kind k, int from, int to);
bool must_promote(Colour c, Kind k, int to);

// Pieces of c in an unbroken run from the neighbour of sq along step (sq not counted).
inline int run_length(const Board& b, int sq, int step, Colour c) {
  return computer::run_from(sq, step, [&b, c](int p) { return b.colour(p) == c; });
}

// Would c have exactly five on some line through `to` with a piece of c standing there (the
// square counted whatever it holds)? The game's five test at a square.
bool five_through(const Board& b, int to, Colour c);

// The game's double-three / double-four refusal of a move of c to `to` (from `from`, or a drop
// when from is 0): tried with the source emptied and c on the destination; never refused when
// it makes exactly five through the destination.
bool forbidden(const Board& b, Colour c, int from, int to);

// After c's move to `to` from `from` (0 for a drop) has been made: did it win? A five through
// the destination, or one through a neighbour of the vacated square.
bool move_won(const Board& b, Colour c, int from, int to);

}  // namespace brenvolt::strong
