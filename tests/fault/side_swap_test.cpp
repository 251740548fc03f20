// Swapping sides against the computer while the person has a piece chosen: the swap clears the
// choice's outline, and the choice must go with it, or the person's next press would play the
// other side's piece (or a piece its hand no longer holds) in the new side's name.
#include <gtest/gtest.h>

#include "game/invariants.h"
#include "game/record_invariants.h"
#include "tests/play/play_fixture.h"

namespace brenvolt::testing {
namespace {

class SideSwap : public PlayTest {
 protected:
  void 整合している() {
    EXPECT_EQ(状態の不整合(form.局), "");
    EXPECT_EQ(記録の不整合(form.記録, form.局), "");
  }
};

TEST_F(SideSwap, APieceChosenBeforeTheSwapIsNotPlayedForTheOtherSide) {
  form.SENTE_Click();
  打つ(飛, 5, 5);            // the computer replies
  押す(先手持駒列, 歩 + 1);  // 先手's 歩 chosen
  ASSERT_EQ(form.入力段階, 1);
  form.GOTE_Click();  // the person becomes 後手; the computer moves for 先手 at once
  EXPECT_EQ(form.入力段階, 0);
  ASSERT_EQ(form.局.手番, 手番_後手);
  const int 先手の歩 = form.局.先手持駒数[歩];
  const int 手数 = form.局.手数;
  // A press on an empty square now chooses nothing: no 先手 piece is played for 後手.
  int 空の桝X = 0, 空の桝Y = 0;
  for (int x = 9; x >= 1 && 空の桝X == 0; --x)
    for (int y = 9; y >= 1 && 空の桝X == 0; --y)
      if (form.局.盤面[x][y] == 空) 空の桝X = x, 空の桝Y = y;
  押す(空の桝X, 空の桝Y);
  EXPECT_EQ(form.局.手数, 手数);
  EXPECT_EQ(form.局.先手持駒数[歩], 先手の歩);
  EXPECT_EQ(form.局.盤面[空の桝X][空の桝Y], 空);
  整合している();
}

}  // namespace
}  // namespace brenvolt::testing
