// The search's board: make and unmake give back exactly the position they started from, and
// the key and window counts kept move by move equal those of the position built afresh.
#include <gtest/gtest.h>

#include "computer/strong/board.h"
#include "computer/strong/move_list.h"
#include "notation/game_move.h"
#include "tests/computer/strong/positions.h"

namespace brenvolt {
namespace {

using strong::Board;
using strong::MoveList;

// Every legal move of the position: made and unmade, the board is as before; made, it equals
// the board loaded from the game's state after the engine played the same move.
void 全ての手を確かめる(対局& game) {
  const Board board = testing::読込(game.局);
  MoveList list;
  strong::generate_legal(board, list);
  for (int i = 0; i < list.size; ++i) {
    const strong::Move m = list.moves[i];
    Board trial = board;
    const 着手 move = trial.to_game_move(m);
    trial.make(m);
    対局 after = game;
    engine::play_move(after, move);
    Board fresh;
    ASSERT_TRUE(fresh.load(after.局));
    EXPECT_TRUE(trial.same_as(fresh)) << notation::format_move(move);
    trial.unmake(m);
    EXPECT_TRUE(trial.same_as(board)) << notation::format_move(move);
  }
}

TEST(探索盤, 指して戻すと元通りで差分更新は作り直しと一致する) {
  std::mt19937 rng(7);
  for (int i = 0; i < 40; ++i) {
    対局 game = testing::乱数対局(rng, 4 + i * 3);
    if (game.勝負あり()) continue;
    全ての手を確かめる(game);
  }
  for (int i = 0; i < 40; ++i) {
    対局 game = testing::乱数盤面(rng);
    全ての手を確かめる(game);
  }
}

TEST(探索盤, 長い手順を指して全部戻すと元通り) {
  std::mt19937 rng(11);
  対局 game = engine::start_game();
  Board board = testing::読込(game.局);
  const Board start = board;
  std::vector<strong::Move> played;
  MoveList list;
  for (int ply = 0; ply < 200; ++ply) {
    strong::generate_legal(board, list);
    if (list.size == 0) break;
    const strong::Move m = list.moves[rng() % static_cast<unsigned>(list.size)];
    board.make(m);
    played.push_back(m);
  }
  ASSERT_GT(played.size(), 100u);
  for (auto it = played.rbegin(); it != played.rend(); ++it) board.unmake(*it);
  EXPECT_TRUE(board.same_as(start));
}

TEST(探索盤, 局面の鍵は駒と持駒と手番で変わる) {
  対局 game = testing::局面("9/9/9/9/4P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2l2p 2");
  const Board a = testing::読込(game.局);
  game.局.手番 = 手番_後手;
  const Board b = testing::読込(game.局);
  EXPECT_NE(a.key(), b.key());
  game.局.先手持駒数[1] -= 1;
  game.局.先手持駒合計 -= 1;
  const Board c = testing::読込(game.局);
  EXPECT_NE(b.key(), c.key());
  game.局.盤面[5][5] = 先手_と;
  const Board d = testing::読込(game.局);
  EXPECT_NE(c.key(), d.key());
}

TEST(探索盤, 表せない局面は読まない) {
  対局状態 局 = testing::COM局面(手番_先手);
  局.盤面[3][3] = 先手_金成;  // a code no move produces
  Board board;
  EXPECT_FALSE(board.load(局));
  局.盤面[3][3] = 空;
  局.手番 = 手番_なし;
  EXPECT_FALSE(board.load(局));
}

}  // namespace
}  // namespace brenvolt
