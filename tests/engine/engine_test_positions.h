// Positions the engine tests share, and a helper that sets a game up from one.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/move_judge.h"
#include "notation/position_text.h"

namespace brenvolt::engine::testing {

// 先手 to move; 先手 holds 5c and 5d, 7e and 6e: a drop on 5e makes two open threes.
inline const std::string kDoubleThree = "9/9/4R4/4B4/2GS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9";
// 先手 to move; 先手 holds 5b 5c 5d and 8e 7e 6e: a drop on 5e makes two fours.
inline const std::string kDoubleFour = "9/4R4/4B4/4G4/1SKN5/9/9/9/9 b N2L2Pkrbgs2n2l2p 11";
// 先手 to move; 先手 holds 9e..6e: a drop on 5e makes five.
inline const std::string kFourInARow = "9/9/9/9/RBGS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9";
// 先手 to move; 先手 holds 9e..4e, a line of six: moving the pawn on 4e away leaves five.
inline const std::string kSixInARow = "9/9/9/9/RBGSKP3/9/9/9/9 b 2N2LPkrbgs2n2l2p 12";

// 後手 to move with nothing in hand and all eleven pieces packed into the bottom-right corner
// behind 先手's king, silver and gold: 後手 has no move at all and can only pass.
inline const std::string kNoMoveForGote = "9/9/9/9/9/9/5Gnnl/4Srlpp/4Kkgsb w RB2N2L2P 2";

inline 対局 game_at(const std::string& position) {
  対局 game;
  std::string error;
  EXPECT_TRUE(notation::parse_position(position, game.局, error)) << position << ": " << error;
  return game;
}

}  // namespace brenvolt::engine::testing
