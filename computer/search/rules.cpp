#include "computer/search/rules.h"

namespace brenvolt::strong {

namespace {

struct Step {
  int dx;
  int dy;
};

// Movement of a kind for a colour whose forward is f (-1 for 先手, toward row 1).
struct KindMoves {
  int step_count = 0;
  Step steps[8] = {};
  int slide_count = 0;
  Step slides[4] = {};
};

KindMoves kind_moves(Kind k, int f) {
  const Step gold[6] = {{-1, f}, {0, f}, {1, f}, {-1, 0}, {1, 0}, {0, -f}};
  const Step diagonal[4] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  const Step orthogonal[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
  KindMoves m;
  auto step = [&m](Step s) { m.steps[m.step_count++] = s; };
  auto slide = [&m](Step s) { m.slides[m.slide_count++] = s; };
  switch (k) {
    case kPawn:
      step({0, f});
      break;
    case kLance:
      slide({0, f});
      break;
    case kKnight:
      step({-1, 2 * f});
      step({1, 2 * f});
      break;
    case kSilver:
      for (Step s : {Step{-1, f}, Step{0, f}, Step{1, f}, Step{-1, -f}, Step{1, -f}}) step(s);
      break;
    case kGold:
    case kTokin:
    case kPromotedLance:
    case kPromotedKnight:
    case kPromotedSilver:
      for (Step s : gold) step(s);
      break;
    case kBishop:
      for (Step s : diagonal) slide(s);
      break;
    case kRook:
      for (Step s : orthogonal) slide(s);
      break;
    case kKing:
      for (Step s : diagonal) step(s);
      for (Step s : orthogonal) step(s);
      break;
    case kHorse:
      for (Step s : diagonal) slide(s);
      for (Step s : orthogonal) step(s);
      break;
    case kDragon:
      for (Step s : orthogonal) slide(s);
      for (Step s : diagonal) step(s);
      break;
    default:
      break;
  }
  return m;
}

PieceMoves build_piece_moves() {
  PieceMoves pm;
  for (Colour c : {kBlack, kWhite}) {
    const int f = c == kBlack ? -1 : 1;
    for (int k = 1; k < kKinds; ++k) {
      const KindMoves m = kind_moves(static_cast<Kind>(k), f);
      pm.slide_count[c][k] = static_cast<std::uint8_t>(m.slide_count);
      for (int i = 0; i < m.slide_count; ++i) {
        pm.slides[c][k][i] = static_cast<std::int8_t>(m.slides[i].dx * kStride + m.slides[i].dy);
      }
      for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
          const int from = square(x, y);
          auto& count = pm.step_count[c][k][from];
          for (int i = 0; i < m.step_count; ++i) {
            const int tx = x + m.steps[i].dx;
            const int ty = y + m.steps[i].dy;
            if (tx < 1 || tx > 盤サイズ || ty < 1 || ty > 盤サイズ) continue;
            pm.steps[c][k][from][count++] = static_cast<std::uint8_t>(square(tx, ty));
          }
        }
      }
    }
  }
  return pm;
}

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

const PieceMoves& piece_moves() {
  static const PieceMoves table = build_piece_moves();
  return table;
}

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

bool forbidden(const Board& b, Colour c, int from, int to) {
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
