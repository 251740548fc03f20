#include "tests/play/play_fixture.h"

namespace brenvolt::testing {
namespace {

class Draw : public PlayTest {
 protected:
  const ShownBox 引き分け = 箱("引き分けです", "終了");
};

TEST_F(Draw, 五つ並ばずに記録が一杯になると引き分けで終わる) {
  form.START_Click();
  金を往復させる(記録上限 - 1);
  EXPECT_EQ(form.局.対局中, 有);
  忘れる();
  指す(5, 3, 5, 4);
  EXPECT_EQ(箱(), std::vector<ShownBox>{引き分け});
  EXPECT_EQ(鳴った(終局), 1);
  EXPECT_EQ(form.局.手数, 記録上限);
  EXPECT_EQ(form.記録.記録数, 記録上限);
  EXPECT_EQ(form.記録.記録終端, 記録上限);
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_EQ(form.局.手番, 手番_なし);

  忘れる();
  押す(5, 6);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("「対局」で始めて下さい", "開始")});
  form.START_Click();
  EXPECT_EQ(form.局.手数, 0) << "a new game can start at once";
}

TEST_F(Draw, 最後の手を戻すと続けられ進めるか指し直すとまた引き分け) {
  form.START_Click();
  金を往復させる(記録上限);
  ASSERT_EQ(form.局.対局中, 無);
  form.REPLAY_Click();
  EXPECT_EQ(form.局.対局中, 有);
  EXPECT_EQ(form.局.手番, 手番_後手);
  忘れる();
  form.AFTER_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{引き分け});
  EXPECT_EQ(form.局.対局中, 無);

  form.REPLAY_Click();
  忘れる();
  指す(5, 3, 5, 4);
  EXPECT_EQ(箱(), std::vector<ShownBox>{引き分け});
  EXPECT_EQ(form.記録.記録数, 記録上限);
}

TEST_F(Draw, COMの手で記録が一杯になっても引き分けで記録の外には書かない) {
  form.SENTE_Click();
  打つ(金, 5, 7);
  // Jump ahead: the moves before are not looked at again in this game.
  form.局.手数 = form.記録.記録数 = form.記録.記録終端 = 記録上限 - 2;
  忘れる();
  for (auto [x, y] : {std::pair{5, 6}, {4, 6}, {6, 6}, {4, 7}, {6, 7}}) {
    if (form.局.盤面[x][y] != 空) continue;
    指す(5, 7, x, y);
    break;
  }
  EXPECT_EQ(form.局.手数, 記録上限);
  EXPECT_EQ(form.記録.記録数, 記録上限);
  EXPECT_GT(form.記録.記録_元駒[記録上限], 0) << "the computer made the last move";
  EXPECT_EQ(箱(), std::vector<ShownBox>{引き分け});
  EXPECT_EQ(form.局.対局中, 無);
}

TEST_F(Draw, 一杯の記録でCOMの番になってもCOMは指さずに引き分け) {
  form.SENTE_Click();
  打つ(金, 5, 7);
  form.局.手番 = 手番_後手;
  form.局.手数 = form.記録.記録数 = form.記録.記録終端 = 記録上限;
  const auto 盤 = form.局.盤面;
  忘れる();
  押す(1, 1);
  EXPECT_EQ(箱(), std::vector<ShownBox>{引き分け});
  EXPECT_EQ(form.局.盤面, 盤);
  EXPECT_EQ(form.局.手数, 記録上限);
}

}  // namespace
}  // namespace brenvolt::testing
