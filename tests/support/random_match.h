// A match reached by random play, for tests that need many games of every shape.
#pragma once

#include <cstdint>

#include "game/match.h"
#include "game/split_mix.h"
#include "game/turn.h"

namespace brenvolt::testing {

// A match after up to `plies` random legal moves from the start; it stops at a five.
inline 対局 乱数対局(std::uint64_t seed, int plies) {
  SplitMix64 random(seed);
  対局 game;
  game.開始();
  for (int i = 0; i < plies && !game.勝負あり(); ++i) {
    const auto moves = 指せる手(game.局);
    if (moves.empty()) break;
    game.指す(moves[random.below(moves.size())]);
  }
  return game;
}

}  // namespace brenvolt::testing
