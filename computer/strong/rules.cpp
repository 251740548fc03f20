#include "computer/strong/rules.h"

namespace brenvolt::strong {

namespace {

constexpr int last_row(Colour c) {
  return c == kBlack ? 1 : 盤サイズ;
}

constexpr bool in_zone(Colour c, int y) {
  return c == kBlack ? y < 4 : y > 6;
}

// The board with a move tried on it, read without writing: the source empty, the destination
// holding c. A drop has no source (lifted is -1).
struct Trial {
  const Board& b;
  int lifted;
  int placed;
  Colour c;

  Colour at(int sq) const {
    if (sq == placed) return c;
    if (sq == lifted) return kNone;
    return b.colour(sq);
  }
  int run(int sq, int step) const {
    int n = 0;
    for (int p = sq + step; at(p) == c; p += step) ++n;
    return n;
  }
};

// One half of a line through the destination: its run, whether the square beyond is empty,
// and, with that square filled, the run beyond it and whether the square after that is empty.
struct Half {
  int run;
  bool open;
  int beyond_gap;
  bool open_after_gap;
};

Half measure_half(const Trial& t, int step) {
  Half h{};
  h.run = t.run(t.placed, step);
  const int gap = t.placed + (h.run + 1) * step;
  h.open = t.at(gap) == kNone;
  if (h.open) {
    h.beyond_gap = t.run(gap, step);
    h.open_after_gap = t.at(gap + (h.beyond_gap + 1) * step) == kNone;
  }
  return h;
}

// Filling the gap of half h makes a run of `needed` with an empty square after it.
bool gap_makes(const Half& h, int needed) {
  return h.open && h.run + 1 + h.beyond_gap == needed && h.open_after_gap;
}

bool is_three(const Half& a, const Half& b) {
  if (!a.open || !b.open) return false;
  const int n = a.run + b.run;
  if (n == 2) return true;
  if (n > 2) return false;
  return gap_makes(a, 3 - b.run) || gap_makes(b, 3 - a.run);
}

bool is_four(const Half& a, const Half& b) {
  if (!a.open && !b.open) return false;
  const int n = a.run + b.run;
  if (n == 3) return true;
  if (n > 3) return false;
  return gap_makes(a, 4 - b.run) || gap_makes(b, 4 - a.run);
}

}  // namespace

bool can_move_to(const Board& b, int from, int to) {
  bool found = false;
  for_each_destination(b, from, [&](int sq) { found = found || sq == to; });
  return found;
}

bool drop_allowed(const Board& b, Colour c, Kind k, int to) {
  const int y = row_of(to);
  switch (k) {
    case kPawn:
      return y != last_row(c) && !b.pawn_in_column(c, column_of(to));
    case kLance:
      return y != last_row(c);
    case kKnight:
      return c == kBlack ? y >= 3 : y <= 7;
    default:
      return true;
  }
}

bool may_promote(Colour c, Kind k, int from, int to) {
  switch (k) {
    case kPawn:
    case kLance:
    case kKnight:
      return in_zone(c, row_of(to));
    case kSilver:
    case kBishop:
    case kRook:
      return in_zone(c, row_of(to)) || in_zone(c, row_of(from));
    default:
      return false;
  }
}

bool must_promote(Colour c, Kind k, int to) {
  const int y = row_of(to);
  switch (k) {
    case kPawn:
    case kLance:
      return y == last_row(c);
    case kKnight:
      return c == kBlack ? y < 3 : y > 7;
    default:
      return false;
  }
}

bool five_through(const Board& b, int to, Colour c) {
  for (int step : kLineStep) {
    if (run_length(b, to, -step, c) + 1 + run_length(b, to, step, c) == 5) return true;
  }
  return false;
}

namespace {

// A three or a four on a line needs a five-square window of it through `to` holding nothing of
// the other side and two of c besides the piece placed. Fewer than two such lines: no refusal.
bool two_lines_could_qualify(const Board& b, Colour c, int from, int to) {
  const WindowTable& t = window_table();
  const Colour o = other(c);
  bool line_counted[kLines] = {false, false, false, false};
  int lines = 0;
  const int n = t.count_of_square[to];
  for (int i = 0; i < n; ++i) {
    const int w = t.of_square[to][i];
    const Window& window = t.windows[w];
    if (line_counted[window.line] || b.window_count(w, o) != 0) continue;
    int own = b.window_count(w, c);
    if (from != 0) {
      for (int sq : window.squares) own -= sq == from ? 1 : 0;
    }
    if (own < 2) continue;
    line_counted[window.line] = true;
    if (++lines == 2) return true;
  }
  return false;
}

}  // namespace

bool forbidden(const Board& b, Colour c, int from, int to) {
  if (!two_lines_could_qualify(b, c, from, to)) return false;
  const Trial t{b, from == 0 ? -1 : from, to, c};
  Half first[kLines];
  Half second[kLines];
  for (int line = 0; line < kLines; ++line) {
    first[line] = measure_half(t, -kLineStep[line]);
    second[line] = measure_half(t, kLineStep[line]);
    if (first[line].run + 1 + second[line].run == 5) return false;  // a five is never refused
  }
  int threes = 0;
  int fours = 0;
  for (int line = 0; line < kLines; ++line) {
    threes += is_three(first[line], second[line]) ? 1 : 0;
    fours += is_four(first[line], second[line]) ? 1 : 0;
  }
  return threes > 1 || fours > 1;
}

bool move_won(const Board& b, Colour c, int from, int to) {
  if (five_through(b, to, c)) return true;
  if (from == 0) return false;
  constexpr int kNeighbours[8] = {-kStride - 1, -kStride, -kStride + 1, -1, 1,
                                  kStride - 1,  kStride,  kStride + 1};
  for (int d : kNeighbours) {
    const int sq = from + d;
    if (b.colour(sq) == c && five_through(b, sq, c)) return true;
  }
  return false;
}

}  // namespace brenvolt::strong
