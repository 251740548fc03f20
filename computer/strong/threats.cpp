#include "computer/strong/threats.h"

#include "computer/strong/move_list.h"
#include "computer/strong/rules.h"

namespace brenvolt::strong {

namespace {

// Runs of c from sq along step, reading `lifted` as empty.
int run_without(const Board& b, int sq, int step, Colour c, int lifted) {
  return computer::run_from(sq, step,
                            [&b, c, lifted](int p) { return p != lifted && b.colour(p) == c; });
}

bool five_without(const Board& b, int sq, Colour c, int lifted) {
  for (int step : kLineStep) {
    if (computer::makes_five(run_without(b, sq, -step, c, lifted),
                             run_without(b, sq, step, c, lifted))) {
      return true;
    }
  }
  return false;
}

// Calls f(point) for each empty square of a window with four of c and nothing else, each once,
// where c's piece would make exactly five.
template <class F>
void for_each_five_point(const Board& b, Colour c, F&& f) {
  if (b.windows_with(c, 4) == 0) return;
  const WindowTable& t = window_table();
  std::array<bool, kCells> seen{};
  const Colour o = other(c);
  for (int w = 0; w < kWindows; ++w) {
    if (b.window_count(w, c) != 4 || b.window_count(w, o) != 0) continue;
    for (int sq : t.windows[w].squares) {
      if (!b.empty(sq) || seen[sq]) continue;
      seen[sq] = true;
      if (five_through(b, sq, c)) f(sq);
    }
  }
}

Move board_move(const Board& b, int from, int to) {
  return Move::board(from, to, must_promote(b.colour(from), b.kind(from), to));
}

// The first kind c holds that may be dropped on sq, or kNoKind.
Kind kind_to_drop(const Board& b, Colour c, int sq) {
  for (int k = 1; k <= kHandKinds; ++k) {
    if (b.hand(c, k) > 0 && drop_allowed(b, c, static_cast<Kind>(k), sq)) {
      return static_cast<Kind>(k);
    }
  }
  return kNoKind;
}

// A move of c that puts a piece on the five point p and keeps the five: a drop when c has a
// kind for the square, else a board move of a piece off the line. No move when c cannot.
Move move_to_point(const Board& b, Colour c, int p) {
  if (const Kind k = kind_to_drop(b, c, p); k != kNoKind) return Move::drop(k, p);
  const int n = b.pieces_on_board(c);
  for (int i = 0; i < n; ++i) {
    const int q = b.piece_squares(c)[i];
    if (can_move_to(b, q, p) && five_without(b, p, c, q)) return board_move(b, q, p);
  }
  return Move();
}

// Calls f(s) for each square the piece on q crosses when it slides to p (none when it steps
// there or cannot get there).
template <class F>
void for_each_path_square(const Board& b, int q, int p, F&& f) {
  const PieceMoves& pm = piece_moves();
  const Colour c = b.colour(q);
  const Kind k = b.kind(q);
  for (int i = 0; i < pm.slide_count[c][k]; ++i) {
    const int step = pm.slides[c][k][i];
    int sq = q + step;
    while (b.empty(sq) && sq != p) sq += step;
    if (sq != p) continue;
    for (int s = q + step; s != p; s += step) f(s);
  }
}

void add_path(const Board& b, int q, int p, FivePoints& out) {
  for_each_path_square(b, q, p, [&out](int s) {
    if (out.path_count < kMaxPoints * 8) out.paths[out.path_count++] = s;
  });
}

// Adds the board moves of the piece on `from` after which it reaches a target it does not
// reach now. Moves onto a target are not added.
void add_reaching_moves_of(Board& b, int from, const std::array<bool, kCells>& target,
                           MoveList& list) {
  const Colour c = b.colour(from);
  const Kind k = b.kind(from);
  std::array<bool, kCells> reached{};
  int destinations[kCells];
  int n = 0;
  for_each_destination(b, from, [&](int to) {
    reached[to] = target[to];
    if (!target[to]) destinations[n++] = to;
  });
  for (int d = 0; d < n; ++d) {
    const int to = destinations[d];
    for (bool promote : {false, true}) {
      if (promote ? !may_promote(c, k, from, to) : must_promote(c, k, to)) continue;
      const Move m = Move::board(from, to, promote);
      b.make(m);
      bool gains = false;
      for_each_destination(b, to, [&](int sq) { gains = gains || (target[sq] && !reached[sq]); });
      b.unmake(m);
      if (gains) list.add(m);
    }
  }
}

// The five uncovered by taking a piece of c off a longer line of c.
Move uncovering_win(Board& b, Colour c) {
  const int n = b.pieces_on_board(c);
  for (int i = 0; i < n; ++i) {
    const int q = b.piece_squares(c)[i];
    bool uncovers = false;
    for (int d : kNeighbours) {
      const int sq = q + d;
      if (b.colour(sq) == c && five_without(b, sq, c, q)) uncovers = true;
    }
    if (!uncovers) continue;
    Move found;
    for_each_destination(b, q, [&](int to) {
      if (found || forbidden(b, c, q, to)) return;
      const Move m = board_move(b, q, to);
      b.make(m);
      if (move_won(b, c, q, to)) found = m;
      b.unmake(m);
    });
    if (found) return found;
  }
  return Move();
}

}  // namespace

void reachable_five_points(const Board& b, Colour c, FivePoints& out, bool with_paths) {
  out.count = 0;
  out.path_count = 0;
  for_each_five_point(b, c, [&](int p) {
    if (out.count == kMaxPoints) return;
    const Move m = move_to_point(b, c, p);
    if (!m) return;
    out.squares[out.count] = p;
    out.by_drop[out.count] = m.is_drop();
    ++out.count;
    if (!with_paths || m.is_drop()) return;
    const int n = b.pieces_on_board(c);
    for (int i = 0; i < n; ++i) {
      const int q = b.piece_squares(c)[i];
      if (can_move_to(b, q, p) && five_without(b, p, c, q)) add_path(b, q, p, out);
    }
  });
}

Move winning_move(Board& b) {
  const Colour c = b.side_to_move();
  Move found;
  for_each_five_point(b, c, [&](int p) {
    if (!found) found = move_to_point(b, c, p);
  });
  if (found) return found;
  // Five in one window with no five on the board means a longer line somewhere.
  if (b.windows_with(c, 5) > 0) return uncovering_win(b, c);
  return Move();
}

int four_squares(const Board& b, Colour c, int* out) {
  if (b.windows_with(c, 3) == 0) return 0;
  return window_squares(b, c, 3, out);
}

int window_squares(const Board& b, Colour c, int n, int* out) {
  const WindowTable& t = window_table();
  std::array<bool, kCells> seen{};
  const Colour o = other(c);
  int count = 0;
  for (int w = 0; w < kWindows; ++w) {
    if (b.window_count(w, c) < n || b.window_count(w, o) != 0) continue;
    for (int sq : t.windows[w].squares) {
      if (!b.empty(sq) || seen[sq]) continue;
      seen[sq] = true;
      out[count++] = sq;
    }
  }
  return count;
}

bool can_drop(const Board& b, Colour c, int sq) {
  return kind_to_drop(b, c, sq) != kNoKind;
}

int slide_path_squares(const Board& b, Colour c, const int* targets, int count, int* out) {
  std::array<bool, kCells> seen{};
  int n = 0;
  const int pieces = b.pieces_on_board(c);
  for (int t = 0; t < count; ++t) {
    if (!b.empty(targets[t]) || can_drop(b, c, targets[t])) continue;
    for (int i = 0; i < pieces; ++i) {
      for_each_path_square(b, b.piece_squares(c)[i], targets[t], [&](int s) {
        if (!seen[s]) out[n++] = s;
        seen[s] = true;
      });
    }
  }
  return n;
}

void add_reaching_moves(Board& b, const int* targets, int count, MoveList& list) {
  const Colour c = b.side_to_move();
  std::array<bool, kCells> target{};
  bool any = false;
  for (int t = 0; t < count; ++t) {
    if (!b.empty(targets[t]) || can_drop(b, c, targets[t])) continue;
    target[targets[t]] = true;
    any = true;
  }
  if (!any) return;
  // Copied: making a move reorders the board's list of squares.
  const auto squares = b.piece_squares(c);
  const int pieces = b.pieces_on_board(c);
  for (int i = 0; i < pieces; ++i) add_reaching_moves_of(b, squares[i], target, list);
}

}  // namespace brenvolt::strong
