#include "engine/bench_positions.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/move_judge.h"
#include "game/invariants.h"
#include "notation/position_text.h"

namespace brenvolt::engine {
namespace {

// Each line is a sound position of play that is not over, written as the engine writes it (so
// the literal says exactly what is played), and the side to move has a move to start with.
TEST(BenchPositions, EveryLineIsAPositionToPlayOn) {
  const auto lines = bench_position_lines();
  const auto& positions = bench_positions();
  ASSERT_EQ(positions.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line(lines[i]);
    EXPECT_EQ(notation::format_position(positions[i]), line);
    EXPECT_EQ(状態の不整合(positions[i]), "") << line;
    対局 game;
    game.局 = positions[i];
    EXPECT_FALSE(legal_moves(game).empty()) << line;
  }
}

}  // namespace
}  // namespace brenvolt::engine
