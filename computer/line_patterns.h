// What a line through a square makes for the side placing a piece there, on a board inside a
// wall: exactly five, a three, a four, and the double-three / double-four refusal built from
// them, answering as the game's own rule queries do. Each computer walks its own board through
// the predicates and probes it passes; the verdicts are taken here, once. All of it is inline,
// as both searches call it for every candidate.
#pragma once

#include "computer/board_geometry.h"

namespace brenvolt::computer {

// One half of a line from a square: its run of own pieces and whether the square just beyond
// the run is empty (the wall never is).
struct HalfLine {
  int run = 0;
  bool open = false;
};

// The half line from sq along step; sq itself is not read. `own(p)` must be false on the wall.
template <class Own, class Empty>
constexpr HalfLine half_line(int sq, int step, const Own& own, const Empty& empty) {
  int p = sq + step;
  int run = 0;
  for (; own(p); p += step) ++run;
  return {run, empty(p)};
}

// Own pieces in an unbroken run from the neighbour of sq along step.
template <class Own>
constexpr int run_from(int sq, int step, const Own& own) {
  return half_line(sq, step, own, [](int) { return false; }).run;
}

// The half line that continues past the empty square ending a run of `run` from sq, that
// square counted as the side's own: the run beyond it and whether the square after is empty.
template <class Own, class Empty>
constexpr HalfLine past_gap(int sq, int step, int run, const Own& own, const Empty& empty) {
  return half_line(sq + (run + 1) * step, step, own, empty);
}

// Exactly five with the placed piece between the two halves; six or more is no five.
constexpr bool makes_five(int first_run, int second_run) {
  return first_run + 1 + second_run == 5;
}

// A probe answers for the square being tried, for line 0..kLines-1 and its end 0 (first half,
// -kLineStep) or 1 (second half, +kLineStep):
//   int run(int line, int end)            the run of the half line from the square;
//   bool open(int line, int end)          whether the square beyond that run is empty;
//   HalfLine past_gap(int line, int end)  the half past its gap, asked only of an open half.

// Filling the gap of an open half makes a run of `length` with an empty square after it.
template <class Probe>
constexpr bool gap_makes(const Probe& probe, int line, int end, int length) {
  const HalfLine beyond = probe.past_gap(line, end);
  return probe.run(line, end) + 1 + beyond.run == length && beyond.open;
}

// Three own pieces with the placed one, solid or with one gap inside four squares, both ends
// open.
template <class Probe>
constexpr bool is_three(const Probe& probe, int line) {
  if (!probe.open(line, 0) || !probe.open(line, 1)) return false;
  const int n = probe.run(line, 0) + probe.run(line, 1);
  if (n == 2) return true;
  if (n > 2) return false;
  return gap_makes(probe, line, 0, 3 - probe.run(line, 1)) ||
         gap_makes(probe, line, 1, 3 - probe.run(line, 0));
}

// Four in a row with an open end, or four within five squares whose gap, filled, makes
// exactly five with an empty square after it.
template <class Probe>
constexpr bool is_four(const Probe& probe, int line) {
  const bool first_open = probe.open(line, 0);
  const bool second_open = probe.open(line, 1);
  if (!first_open && !second_open) return false;
  const int n = probe.run(line, 0) + probe.run(line, 1);
  if (n == 3) return true;
  if (n > 3) return false;
  return (first_open && gap_makes(probe, line, 0, 4 - probe.run(line, 1))) ||
         (second_open && gap_makes(probe, line, 1, 4 - probe.run(line, 0)));
}

// Two lines with a three, or two with a four.
template <class Probe>
constexpr bool two_threes_or_fours(const Probe& probe) {
  int threes = 0;
  int fours = 0;
  for (int line = 0; line < kLines; ++line) {
    threes += is_three(probe, line) ? 1 : 0;
    fours += is_four(probe, line) ? 1 : 0;
  }
  return threes > 1 || fours > 1;
}

// The double-three / double-four refusal: never when some line makes exactly five.
template <class Probe>
constexpr bool double_three_or_four(const Probe& probe) {
  for (int line = 0; line < kLines; ++line) {
    if (makes_five(probe.run(line, 0), probe.run(line, 1))) return false;
  }
  return two_threes_or_fours(probe);
}

}  // namespace brenvolt::computer
