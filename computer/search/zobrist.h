// Zobrist keys of the strong computer's board: one random word per piece on a square, per hand
// count of a kind, and per side to move, drawn once from a fixed seed so that keys (and with
// them every fixed-depth search) are the same on every run.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "computer/search/move.h"

namespace brenvolt::strong {

struct Zobrist {
  static constexpr int kMaxHandCount = 15;  // counts above share the key of 15
  std::array<std::array<std::array<std::uint64_t, kCells>, kKinds>, 2> piece{};
  std::array<std::array<std::array<std::uint64_t, kMaxHandCount + 1>, kHandKinds + 1>, 2> hand{};
  std::array<std::uint64_t, 2> side{};

  std::uint64_t hand_key(Colour c, int kind, int count) const {
    return hand[c][kind][std::clamp(count, 0, kMaxHandCount)];
  }
};

const Zobrist& zobrist();

}  // namespace brenvolt::strong
