#include "notation/game_move.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "game/piece_table.h"
#include "notation/position_text.h"

namespace brenvolt::notation {
namespace {

対局状態 position(const std::string& text) {
  対局状態 局;
  std::string error;
  EXPECT_TRUE(parse_position(text, 局, error)) << error;
  return 局;
}

TEST(GameMove, MovesOfTheGameAreWrittenAsTheProtocolWritesThem) {
  EXPECT_EQ(format_move(着手{先手持駒列, 2, 5, 5, 先手_歩, 先手_歩}), "P*5e");
  EXPECT_EQ(format_move(着手{後手持駒列, 1, 9, 9, 後手_王, 後手_王}), "K*1i");
  EXPECT_EQ(format_move(着手{5, 4, 4, 2, 先手_桂, 先手_桂成}), "5d6b+");
  EXPECT_EQ(format_move(着手{3, 7, 3, 6, 後手_銀, 後手_銀}), "7g7f");
}

TEST(GameMove, ATextNamesThePieceOnItsSourceAndThePieceThatWouldStand) {
  // 先手, to move, has its 銀 on 5e and its 飛 on 9i, the rest in hand.
  const 対局状態 局 = position("9/9/9/9/4S4/9/9/9/R8 b KBG2N2L2Pkrbgs2n2l2p 3");
  const 着手 drop = move_of(局, *parse_move("G*5a"));
  EXPECT_EQ(drop, (着手{先手持駒列, 持駒の段(手番_先手, 5), 5, 1, 先手_金, 先手_金}));
  // A kind the hand does not hold names no piece, which the turn refuses.
  EXPECT_EQ(move_of(局, *parse_move("R*5a")).移動駒, 空);
  EXPECT_EQ(move_of(局, *parse_move("5e5d+")).置駒, 先手_銀成);
  EXPECT_EQ(move_of(局, *parse_move("5e5d")).置駒, 先手_銀);
  // "+" on a piece that cannot promote asks for what does not exist.
  EXPECT_EQ(
      move_of(position("9/9/9/9/4G4/9/9/9/9 b KRBS2N2L2Pkrbgs2n2l2p 2"), *parse_move("5e5d+")).置駒,
      空);
}

// Every move the game allows, written and read back, is judged to be the very same move.
TEST(GameMove, EveryLegalMoveOfRandomGamesSurvivesItsText) {
  std::mt19937 random(7);
  int checked = 0;
  for (int game = 0; game < 20; ++game) {
    対局状態 局 = position(std::string(kStartPosition));
    for (int ply = 0; ply < 40; ++ply) {
      const auto moves = 指せる手(局);
      if (moves.empty()) break;
      for (const 着手& move : moves) {
        const auto answer = judge(局, text_of(move));
        ASSERT_EQ(answer.結果, 判定::可) << format_move(move);
        ASSERT_EQ(answer.手, move) << format_move(move);
        ++checked;
      }
      if (着手実行(局, moves[random() % moves.size()]).結果 != 結末::続行) break;
    }
  }
  EXPECT_GT(checked, 10000);
}

}  // namespace
}  // namespace brenvolt::notation
