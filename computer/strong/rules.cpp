#include "computer/strong/rules.h"

#include "game/piece_table.h"

namespace brenvolt::strong {

namespace {

// Could an unpromoted piece of hand kind k of c stand on row y and still move? Read from the
// game's piece table, as the classic computer's drops read it through 行き所がある.
constexpr bool has_somewhere_to_go(Colour c, Kind k, int y) {
  const int rows = 種類の表[k].行き所のない段;
  return c == kBlack ? y > rows : y <= 盤サイズ - rows;
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
};

// The four lines through the destination of a trial, both halves of each and what lies past
// their gaps measured before any is asked, as the refusal asks for most of them. Measuring
// stops at a line that makes exactly five, which no refusal can follow.
struct TrialLines {
  computer::HalfLine halves[kLines][2];
  computer::HalfLine past_gaps[kLines][2];
  bool five = false;

  explicit TrialLines(const Trial& t) {
    const auto own = [&t](int sq) { return t.at(sq) == t.c; };
    const auto empty = [&t](int sq) { return t.at(sq) == kNone; };
    for (int line = 0; line < kLines && !five; ++line) {
      for (int end = 0; end < 2; ++end) {
        const int step = end == 0 ? -kLineStep[line] : kLineStep[line];
        const computer::HalfLine h = computer::half_line(t.placed, step, own, empty);
        halves[line][end] = h;
        if (h.open) past_gaps[line][end] = computer::past_gap(t.placed, step, h.run, own, empty);
      }
      five = computer::makes_five(halves[line][0].run, halves[line][1].run);
    }
  }
  int run(int line, int end) const { return halves[line][end].run; }
  bool open(int line, int end) const { return halves[line][end].open; }
  computer::HalfLine past_gap(int line, int end) const { return past_gaps[line][end]; }
};

}  // namespace

bool can_move_to(const Board& b, int from, int to) {
  bool found = false;
  for_each_destination(b, from, [&](int sq) { found = found || sq == to; });
  return found;
}

bool drop_allowed(const Board& b, Colour c, Kind k, int to) {
  if (k == kPawn && b.pawn_in_column(c, column_of(to))) return false;
  return has_somewhere_to_go(c, k, row_of(to));
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
  return k <= kHandKinds && !has_somewhere_to_go(c, k, row_of(to));
}

bool five_through(const Board& b, int to, Colour c) {
  for (int step : kLineStep) {
    if (computer::makes_five(run_length(b, to, -step, c), run_length(b, to, step, c))) return true;
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
  const TrialLines lines(t);
  return !lines.five && computer::two_threes_or_fours(lines);
}

bool move_won(const Board& b, Colour c, int from, int to) {
  if (five_through(b, to, c)) return true;
  if (from == 0) return false;
  for (int d : kNeighbours) {
    const int sq = from + d;
    if (b.colour(sq) == c && five_through(b, sq, c)) return true;
  }
  return false;
}

}  // namespace brenvolt::strong
