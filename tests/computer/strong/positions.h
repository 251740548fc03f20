// Positions for the strong computer's tests: games played from the start with seeded random
// legal moves (judged by the engine's rules), the crowded random positions of the computer's
// tests, and the move lists of both the game's rules and the search's board, as move text.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "computer/strong/board.h"
#include "computer/strong/move_list.h"
#include "engine/move_judge.h"
#include "notation/game_move.h"
#include "notation/position_text.h"
#include "tests/computer/position.h"

namespace brenvolt::testing {

// A game after up to `plies` random legal moves; it stops early at a five or with no move.
inline 対局 乱数対局(std::mt19937& rng, int plies) {
  対局 game = engine::start_game();
  for (int i = 0; i < plies && !game.勝負あり(); ++i) {
    const auto moves = engine::legal_moves(game);
    if (moves.empty()) break;
    const std::string& text =
        moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
    engine::play_move(game, engine::judge_move(game, text).move);
  }
  return game;
}

// A crowded random position as a game, with the side to move that the position names.
inline 対局 乱数盤面(std::mt19937& rng) {
  対局 game;
  game.局 = 乱数局面(rng);
  return game;
}

inline 対局 局面(const std::string& text) {
  対局 game;
  std::string error;
  EXPECT_TRUE(notation::parse_position(text, game.局, error)) << text << ": " << error;
  return game;
}

inline std::vector<std::string> 探索の合法手(const strong::Board& board) {
  strong::MoveList list;
  strong::generate_legal(board, list);
  std::vector<std::string> out;
  for (int i = 0; i < list.size; ++i) {
    out.push_back(notation::format_move(board.to_game_move(list.moves[i])));
  }
  std::sort(out.begin(), out.end());
  return out;
}

inline strong::Board 読込(const 対局状態& 局) {
  strong::Board board;
  EXPECT_TRUE(board.load(局));
  return board;
}

}  // namespace brenvolt::testing
