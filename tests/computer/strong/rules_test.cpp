// The search's rules agree exactly with the game's: the same legal moves, the same wins, and
// the move that wins at once is found whenever one exists.
#include <gtest/gtest.h>

#include "computer/strong/rules.h"
#include "computer/strong/threats.h"
#include "notation/game_move.h"
#include "tests/computer/strong/positions.h"

namespace brenvolt {
namespace {

// Checks one position: the move lists are equal, each move wins on the search's board exactly
// when the engine's play of it wins, and winning_move finds a win exactly when one exists.
void 規則が一致する(対局& game) {
  strong::Board board = testing::読込(game.局);
  ASSERT_EQ(testing::探索の合法手(board), engine::legal_moves(game))
      << notation::format_position(game.局);
  strong::MoveList list;
  strong::generate_legal(board, list);
  bool some_move_wins = false;
  for (int i = 0; i < list.size; ++i) {
    const strong::Move m = list.moves[i];
    const 着手 move = board.to_game_move(m);
    const strong::Colour mover = board.side_to_move();
    対局 after = game;
    engine::play_move(after, move);
    board.make(m);
    const bool won = strong::move_won(board, mover, strong::source_of(m), m.to());
    board.unmake(m);
    EXPECT_EQ(won, after.勝負あり())
        << notation::format_move(move) << " in " << notation::format_position(game.局);
    some_move_wins = some_move_wins || won;
  }
  const strong::Move win = strong::winning_move(board);
  EXPECT_EQ(static_cast<bool>(win), some_move_wins) << notation::format_position(game.局);
  if (win) {
    対局 after = game;
    engine::play_move(after, board.to_game_move(win));
    EXPECT_TRUE(after.勝負あり());
  }
}

TEST(探索の規則, 乱数対局の局面で合法手と勝ちが一致する) {
  std::mt19937 rng(2024);
  for (int i = 0; i < 60; ++i) {
    対局 game = testing::乱数対局(rng, 2 + i * 4);
    if (game.勝負あり()) continue;
    規則が一致する(game);
  }
}

TEST(探索の規則, 駒の混んだ乱数局面で合法手と勝ちが一致する) {
  std::mt19937 rng(99);
  for (int i = 0; i < 300; ++i) {
    対局 game = testing::乱数盤面(rng);
    規則が一致する(game);
  }
}

TEST(探索の規則, 三三と四四は五を作らない限り拒まれる) {
  // Drops on 5e: two open threes, two fours, and (last) a five that is also a double-three.
  for (const char* text : {"9/9/4R4/4B4/2GS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9",
                           "9/4R4/4B4/4G4/1SKN5/9/9/9/9 b N2L2Pkrbgs2n2l2p 11"}) {
    対局 game = testing::局面(text);
    const strong::Board board = testing::読込(game.局);
    EXPECT_TRUE(strong::forbidden(board, strong::kBlack, 0, strong::square(5, 5))) << text;
  }
  対局 five = testing::局面("9/9/4R4/4B4/GSKN5/9/9/9/9 b N2L2Pkrbgs2n2l2p 9");
  const strong::Board board = testing::読込(five.局);
  EXPECT_FALSE(strong::forbidden(board, strong::kBlack, 0, strong::square(5, 5)));
}

TEST(探索の規則, 長い列から駒をどけて残る五は勝ち) {
  対局 game = testing::局面("9/9/9/9/RBGSKP3/9/9/9/9 b 2N2LPkrbgs2n2l2p 12");
  strong::Board board = testing::読込(game.局);
  const strong::Move win = strong::winning_move(board);
  ASSERT_TRUE(win);
  EXPECT_FALSE(win.is_drop());
  対局 after = game;
  engine::play_move(after, board.to_game_move(win));
  EXPECT_EQ(after.勝者, 手番_先手);
}

}  // namespace
}  // namespace brenvolt
