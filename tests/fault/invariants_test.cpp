// The consistency checks the soak and the fuzz targets rely on must notice every kind of damage
// and accept every state real play reaches.
#include "game/invariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "engine/move_judge.h"
#include "game/record_invariants.h"

namespace brenvolt {
namespace {

対局状態 新しい局面() {
  対局状態 局;
  局.初期設定();
  return 局;
}

TEST(StateCheck, AcceptsTheUnsetAndTheFreshGameAndEveryStateOfRandomPlay) {
  EXPECT_EQ(状態の不整合(対局状態{}), "");
  EXPECT_EQ(状態の不整合(新しい局面()), "");
  std::mt19937 random(3);
  for (int game = 0; game < 20; ++game) {
    対局 g = engine::start_game();
    for (int ply = 0; ply < 60 && !g.勝負あり(); ++ply) {
      const auto moves = engine::legal_moves(g);
      if (moves.empty()) break;
      engine::play_move(g, engine::judge_move(g, moves[random() % moves.size()]).move);
      ASSERT_EQ(状態の不整合(g.局), "") << "game " << game << " ply " << ply;
    }
  }
}

TEST(StateCheck, FindsEveryKindOfDamage) {
  const std::vector<std::function<void(対局状態&)>> 損傷 = {
      [](対局状態& 局) { 局.盤面[0][5] = 先手_歩; },  // outside the squares
      [](対局状態& 局) { 局.盤面[5][5] = 12345; },    // no piece code
      [](対局状態& 局) { 局.先手持駒数[0] = 1; },     // the unused slot
      [](対局状態& 局) { 局.後手持駒数[3] = -1; },    // a negative count
      [](対局状態& 局) { 局.先手持駒合計 += 1; },     // total and counts disagree
      [](対局状態& 局) { 局.後手持駒数[1] -= 1, 局.後手持駒合計 -= 1; },  // a piece lost
      [](対局状態& 局) { 局.盤面[5][5] = 後手_王; },  // a piece made from nothing
      [](対局状態& 局) {                              // a promoted piece returned as another kind
        局.盤面[5][5] = 先手_と, 局.先手持駒数[1] -= 1, 局.先手持駒数[2] += 1;
      },
      [](対局状態& 局) { 局.手数 = -1; },
  };
  for (std::size_t i = 0; i < 損傷.size(); ++i) {
    対局状態 局 = 新しい局面();
    局.先手持駒数[1] -= 1, 局.先手持駒合計 -= 1, 局.盤面[3][3] = 先手_歩;
    ASSERT_EQ(状態の不整合(局), "");
    損傷[i](局);
    EXPECT_NE(状態の不整合(局), "") << "damage " << i;
  }
}

TEST(RecordCheck, FollowsTheGameAndFindsAMismatchOrAnUnplayableEntry) {
  対局状態 局 = 新しい局面();
  手順記録 記録;
  ASSERT_TRUE(記録.記録_追加(局, 先手持駒列, 2, 5, 5, 先手_歩, 先手_歩));
  局.駒移動(先手持駒列, 2, 5, 5, 先手_歩);
  局.手数 = 1;
  EXPECT_EQ(記録の不整合(記録, 局), "");

  ASSERT_TRUE(記録.記録_一手戻す(局));
  EXPECT_EQ(記録の不整合(記録, 局), "");  // taken back: 0 applied of 1 held
  局.手数 = 1;
  EXPECT_NE(記録の不整合(記録, 局), "");
  局.手数 = 0;
  記録.記録_先X[1] = 10;
  EXPECT_NE(記録の不整合(記録, 局), "");
  記録.記録_先X[1] = 5;
  記録.記録終端 = 記録上限 + 1;
  EXPECT_NE(記録の不整合(記録, 局), "");
}

}  // namespace
}  // namespace brenvolt
