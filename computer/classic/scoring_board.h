// The board as the classic computer scores on it: which side holds each square, inside a wall so
// that walks along a line need no bounds tests. The line measurements of a destination are
// worked out once per search and shared by every candidate that reaches it, and by the
// double-three, double-four and scoring steps of each candidate alike.
//
// Scores and refusals equal those of 調査_得点, 調査_三三 and 調査_四四: those only ever ask
// which side holds a square, never which piece, so the candidate's own piece is never written
// anywhere here, and the live board is not touched at all.
#pragma once

#include <array>
#include <cstdint>

#include "computer/board_geometry.h"
#include "game/game_state.h"

namespace brenvolt::classic {

using computer::column_of;
using computer::kCells;
using computer::kLines;
using computer::kLineStep;
using computer::kStride;
using computer::row_of;
using computer::square;

// The classic computer's own encoding of a square: sides as the computer and the person, as the
// ladder scores them, where the strong computer's board keeps colours and kinds.
enum Cell : std::int8_t { kEmpty, kComputer, kPerson, kWall, kOther };

// The eight directions in pairs of opposites: 上 下, 左 右, 左上 右下, 左下 右上. Line i is made
// of directions 2i (toward its first half) and 2i + 1 (toward its second).
inline constexpr int kDirections = 2 * kLines;
constexpr std::array<int, kDirections> directions() {
  std::array<int, kDirections> steps{};
  for (int line = 0; line < kLines; ++line) {
    steps[2 * line] = -kLineStep[line];
    steps[2 * line + 1] = kLineStep[line];
  }
  return steps;
}
inline constexpr std::array<int, kDirections> kStep = directions();

using Cells = std::array<Cell, kCells>;

// One side's runs from a square in the eight directions, the square itself not counted, and
// whether the square just beyond each run is empty (an open end; the wall is never open).
struct Rays {
  std::array<std::int8_t, kDirections> run{};
  std::array<bool, kDirections> open{};
};

// The person's and the computer's rays from a destination.
struct Measure {
  Rays computer;
  Rays person;
};

class ScoringBoard {
 public:
  // The position in 局, seen by the computer playing COM側.
  ScoringBoard(const 対局状態& 局, int COM側);

  const Cells& cells() const { return cells_; }
  bool empty(int p) const { return cells_[p] == kEmpty; }
  bool has_neighbour(int p) const;

  // Score of a drop onto d, as 調査_得点 gives it. Worked out once per square and kept.
  int drop_score(int d);
  bool drop_forbidden(int d);

  // Score of the board move s -> d, exact whenever it is above `bound`; otherwise a value at
  // or below `bound` (the search only needs to know that it cannot replace its best).
  int move_score(int s, int d, int bound);
  bool move_forbidden(int s, int d);

  // Score evaluations actually carried out, for the search statistics.
  std::uint64_t evaluations() const { return evaluations_; }

 private:
  const Measure& measure(int d);
  Measure measure_after_lifting(int s, int d);
  bool forbidden(const Rays& own, int d) const;
  bool opens_person_five(int s);

  Cells cells_{};
  std::array<Measure, kCells> measures_{};
  std::array<bool, kCells> measured_{};
  std::array<std::int16_t, kCells> drop_scores_{};
  std::array<bool, kCells> drop_scored_{};
  std::array<std::int8_t, kCells> drop_refusal_{};  // -1 not yet asked, else 0 / 1
  std::array<std::int8_t, kCells> person_five_{};   // -1 not yet asked, else 0 / 1
  std::uint64_t evaluations_ = 0;
};

}  // namespace brenvolt::classic
