#include "tests/play/play_fixture.h"

namespace brenvolt::testing {
namespace {

using RecordReplay = PlayTest;

TEST_F(RecordReplay, 戻す手も進める手もなければ断る) {
  form.REPLAY_Click();
  form.AFTER_Click();
  EXPECT_EQ(箱(), (std::vector<ShownBox>{箱("できません", "戻る"), 箱("できません", "進む")}));
  EXPECT_EQ(sound.played(), (std::vector<int>{禁止, 禁止}));

  form.START_Click();
  打つ(歩, 5, 5);
  form.CANCEL_Click();
  EXPECT_EQ(form.局.手番, 手番_なし);
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_EQ(form.局.盤面[5][5], 空);
  忘れる();
  form.REPLAY_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("できません", "戻る")});
}

TEST_F(RecordReplay, 打った駒を戻すと持駒の種類と合計が戻り進めるとまた打たれる) {
  form.START_Click();
  打つ(金, 5, 5);
  打つ(角, 3, 3);
  忘れる();
  form.REPLAY_Click();
  EXPECT_EQ(form.局.盤面[3][3], 空);
  EXPECT_EQ(form.局.後手持駒数[角], 1);
  EXPECT_EQ(form.局.後手持駒合計, 11);
  EXPECT_EQ(form.局.先手持駒合計, 10);
  EXPECT_EQ(form.局.手番, 手番_後手);
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.記録.記録数, 1);
  EXPECT_EQ(form.記録.記録終端, 2);
  EXPECT_EQ(sound.played(), std::vector<int>{駒打});
  EXPECT_TRUE(箱().empty());

  form.REPLAY_Click();
  EXPECT_EQ(form.局.先手持駒数[金], 1);
  EXPECT_EQ(form.局.先手持駒合計, 11);
  EXPECT_EQ(form.局.手数, 0);

  form.AFTER_Click();
  form.AFTER_Click();
  EXPECT_EQ(form.局.盤面[5][5], 先手_金);
  EXPECT_EQ(form.局.盤面[3][3], 後手_角);
  EXPECT_EQ(form.局.先手持駒合計, 10);
  EXPECT_EQ(form.局.後手持駒合計, 10);
  EXPECT_EQ(form.局.後手持駒数[角], 0);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.記録.記録数, 2);
}

TEST_F(RecordReplay, 成った手を戻すと成る前の駒が元の桝に戻り進めると成駒が行き先に立つ) {
  form.START_Click();
  form.局.盤面[5][4] = 先手_銀;
  指す(5, 4, 5, 3, 右ボタン);
  ASSERT_EQ(form.局.盤面[5][3], 先手_銀成);
  form.REPLAY_Click();
  EXPECT_EQ(form.局.盤面[5][4], 先手_銀);
  EXPECT_EQ(form.局.盤面[5][3], 空);
  EXPECT_EQ(form.局.先手持駒合計, 11);
  form.AFTER_Click();
  EXPECT_EQ(form.局.盤面[5][4], 空);
  EXPECT_EQ(form.局.盤面[5][3], 先手_銀成);
}

TEST_F(RecordReplay, 戻した後の新しい手は残りの手を捨てる) {
  form.START_Click();
  打つ(歩, 1, 5);
  打つ(歩, 1, 1);
  打つ(歩, 3, 5);
  form.REPLAY_Click();
  form.REPLAY_Click();
  form.AFTER_Click();
  EXPECT_EQ(form.記録.記録終端, 3);
  EXPECT_EQ(form.局.手番, 手番_先手);
  打つ(金, 7, 7);
  EXPECT_EQ(form.記録.記録数, 3);
  EXPECT_EQ(form.記録.記録終端, 3);
  EXPECT_EQ(form.局.盤面[7][7], 先手_金);
  EXPECT_EQ(form.局.盤面[3][5], 空);
  忘れる();
  form.AFTER_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("できません", "進む")});
}

TEST_F(RecordReplay, 勝った手を戻すと対局が続き進めるともう一度勝ちを告げる) {
  form.START_Click();
  先手が五つ並べて勝つ();
  ASSERT_EQ(form.局.対局中, 無);
  form.REPLAY_Click();
  EXPECT_EQ(form.局.対局中, 有);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_EQ(form.局.盤面[5][5], 空);
  忘れる();
  form.AFTER_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の勝ちです", "終了")});
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_EQ(form.局.手番, 手番_なし);
  EXPECT_EQ(form.局.手数, 9);
}

TEST_F(RecordReplay, 駒を離して作った五つも進めるともう一度勝ちを告げる) {
  form.START_Click();
  for (int x = 1; x <= 6; ++x) form.局.盤面[x][5] = 先手_金;
  指す(6, 5, 6, 4);
  ASSERT_EQ(form.局.対局中, 無);
  form.REPLAY_Click();
  EXPECT_EQ(form.局.対局中, 有);
  忘れる();
  form.AFTER_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の勝ちです", "終了")});
  EXPECT_EQ(form.局.対局中, 無);
}

}  // namespace
}  // namespace brenvolt::testing
