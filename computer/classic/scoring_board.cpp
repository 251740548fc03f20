#include "computer/classic/scoring_board.h"

#include <cstdlib>

#include "computer/classic/score_levels.h"
#include "computer/line_patterns.h"

namespace brenvolt::classic {
namespace {

Cell cell_of(int code, int computer_side) {
  if (code == 空) return kEmpty;
  int owner = 空;
  if (code <= 先手_歩) owner = 手番_先手;
  if (code >= 後手_歩) owner = 手番_後手;
  if (owner == 空) return kOther;  // no piece code, but the square is taken
  return owner == computer_side ? kComputer : kPerson;
}

// The direction in which s lies from d, or -1 when they share no line.
int direction_towards(int d, int s) {
  const int dx = column_of(s) - column_of(d);
  const int dy = row_of(s) - row_of(d);
  if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) return -1;
  const int sx = (dx > 0) - (dx < 0);
  const int sy = (dy > 0) - (dy < 0);
  const int step = sx * kStride + sy;
  for (int dir = 0; dir < kDirections; ++dir) {
    if (kStep[dir] == step) return dir;
  }
  return -1;
}

bool interior(int x, int y) {
  return x >= 2 && x <= 盤サイズ - 1 && y >= 2 && y <= 盤サイズ - 1;
}

// Which squares hold `side`, and which are empty, as the line walks ask.
struct Holds {
  const Cells& cells;
  Cell side;
  bool operator()(int q) const { return cells[q] == side; }
};

// The run of `side` from p in direction dir, and whether the square beyond it is empty. The
// scoring board's innermost loop: `inline` keeps it folded into rays_from.
inline void walk(const Cells& cells, int p, int dir, Cell side, Rays& rays) {
  const computer::HalfLine h =
      computer::half_line(p, kStep[dir], Holds{cells, side}, Holds{cells, kEmpty});
  rays.run[dir] = static_cast<std::int8_t>(h.run);
  rays.open[dir] = h.open;
}

Rays rays_from(const Cells& cells, int p, Cell side) {
  Rays rays;
  for (int dir = 0; dir < kDirections; ++dir) walk(cells, p, dir, side, rays);
  return rays;
}

bool has_five(const Rays& rays) {
  for (int line = 0; line < kLines; ++line) {
    if (computer::makes_five(rays.run[2 * line], rays.run[2 * line + 1])) return true;
  }
  return false;
}

// The ladder below the fives (open four ... open two), for a destination at which neither
// side has a five.
int ladder(const Measure& m, int x, int y) {
  // One bit per pattern, gathered over the four lines, then read in ladder order.
  enum : unsigned {
    kOwnOpenFour = 1,
    kPersonOpenFour = 2,
    kOwnFour = 4,
    kOwnOpenThree = 8,
    kPersonFour = 16,
    kPersonOpenThree = 32,
    kOwnOpenTwo = 64,
  };
  unsigned found = 0;
  for (int line = 0; line < kLines; ++line) {
    const int a = 2 * line;
    const int b = a + 1;
    const Rays& own = m.computer;
    const Rays& person = m.person;
    const int own_n = own.run[a] + own.run[b];
    const bool own_both = own.open[a] && own.open[b];
    const bool own_either = own.open[a] || own.open[b];
    const int person_n = person.run[a] + person.run[b];
    const bool person_both = person.open[a] && person.open[b];
    if (own_n == 3 && own_both) found |= kOwnOpenFour;
    if (own_n == 3 && own_either) found |= kOwnFour;
    if (own_n == 2 && own_both) found |= kOwnOpenThree;
    if (own_n == 1 && own_both) found |= kOwnOpenTwo;
    if (person_n == 3) found |= person_both ? (kPersonOpenFour | kPersonFour) : kPersonFour;
    if (person_n == 2 && person_both) found |= kPersonOpenThree;
  }
  if (found & kOwnOpenFour) return 得点_自四両開;
  if (found & kPersonOpenFour) return 得点_敵四両開阻止;
  if (found & kOwnFour) return 得点_自四;
  if (found & kOwnOpenThree) return 得点_自三両開;
  if ((found & kPersonFour) && interior(x, y)) return 得点_敵四阻止;
  if (found & kPersonOpenThree) return 得点_敵三両開阻止;
  if (found & kOwnOpenTwo) return 得点_自二両開;
  return 得点_なし;
}

// The computer's lines through d for the refusal: the rays already measured, and the runs
// past their gaps walked on the cells as they stand when asked.
struct ComputerLines {
  const Cells& cells;
  const Rays& own;
  int d;

  int run(int line, int end) const { return own.run[2 * line + end]; }
  bool open(int line, int end) const { return own.open[2 * line + end]; }
  computer::HalfLine past_gap(int line, int end) const {
    const int dir = 2 * line + end;
    return computer::past_gap(d, kStep[dir], own.run[dir], Holds{cells, kComputer},
                              Holds{cells, kEmpty});
  }
};

}  // namespace

ScoringBoard::ScoringBoard(const 対局状態& 局, int COM側) {
  cells_.fill(kWall);
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) cells_[square(x, y)] = cell_of(局.盤面[x][y], COM側);
  }
  drop_refusal_.fill(-1);
  person_five_.fill(-1);
}

bool ScoringBoard::has_neighbour(int p) const {
  for (int step : kStep) {
    const Cell c = cells_[p + step];
    if (c != kEmpty && c != kWall) return true;
  }
  return false;
}

const Measure& ScoringBoard::measure(int d) {
  if (!measured_[d]) {
    measures_[d] = Measure{rays_from(cells_, d, kComputer), rays_from(cells_, d, kPerson)};
    measured_[d] = true;
  }
  return measures_[d];
}

// Lifting the moving piece off s changes only the rays from d that walk onto s, and of those
// only the one direction in which s lies; every other ray is the destination's shared one.
Measure ScoringBoard::measure_after_lifting(int s, int d) {
  Measure m = measure(d);
  const int dir = direction_towards(d, s);
  if (dir >= 0) {
    cells_[s] = kEmpty;
    walk(cells_, d, dir, kComputer, m.computer);
    walk(cells_, d, dir, kPerson, m.person);
    cells_[s] = kComputer;
  }
  return m;
}

int ScoringBoard::drop_score(int d) {
  if (drop_scored_[d]) return drop_scores_[d];
  ++evaluations_;
  const Measure& m = measure(d);
  int score = 0;
  if (has_five(m.computer)) {
    score = 得点_自五;
  } else if (has_five(m.person)) {
    score = 得点_敵五点;
  } else {
    score = ladder(m, column_of(d), row_of(d));
  }
  drop_scores_[d] = static_cast<std::int16_t>(score);
  drop_scored_[d] = true;
  return score;
}

int ScoringBoard::move_score(int s, int d, int bound) {
  ++evaluations_;
  const Measure m = measure_after_lifting(s, d);
  if (has_five(m.computer)) return 得点_自五;
  if (has_five(m.person)) return 得点_五阻止;
  const int rest = ladder(m, column_of(d), row_of(d));
  // Whether lifting the piece opens the person's five only matters when the answer could
  // still beat the bound: -1000 and `rest` are both at or below it otherwise.
  if (rest <= bound && bound >= 得点_五開放) return rest;
  return opens_person_five(s) ? 得点_五開放 : rest;
}

// The person's lines through the vacated source, the source counted as theirs. The
// destination cannot lengthen them whatever it holds, as it is never the person's.
bool ScoringBoard::opens_person_five(int s) {
  if (person_five_[s] < 0) person_five_[s] = has_five(rays_from(cells_, s, kPerson)) ? 1 : 0;
  return person_five_[s] == 1;
}

bool ScoringBoard::drop_forbidden(int d) {
  if (drop_refusal_[d] < 0) drop_refusal_[d] = forbidden(measure(d).computer, d) ? 1 : 0;
  return drop_refusal_[d] == 1;
}

bool ScoringBoard::move_forbidden(int s, int d) {
  const Measure m = measure_after_lifting(s, d);
  cells_[s] = kEmpty;
  const bool refused = forbidden(m.computer, d);
  cells_[s] = kComputer;
  return refused;
}

bool ScoringBoard::forbidden(const Rays& own, int d) const {
  return computer::double_three_or_four(ComputerLines{cells_, own, d});
}

}  // namespace brenvolt::classic
