#include "tests/play/play_fixture.h"

namespace brenvolt::testing {
namespace {

using Menu = PlayTest;

const char* const 途中変更不可 = "対局相手の途中変更は不可";
const char* const 最初にして = "  局面 → 最初にして下さい";

TEST_F(Menu, スタートは二人対局を先手番で始め対局中は手番を知らせるだけ) {
  form.START_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の番です", " ")});
  EXPECT_EQ(form.試合.対局モード, モード_人間);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_EQ(form.局.対局中, 有);

  打つ(歩, 5, 5);
  忘れる();
  form.START_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("後手の番です", " ")});
  EXPECT_EQ(form.局.盤面[5][5], 先手_歩) << "the running game is kept";
}

TEST_F(Menu, 対局中に相手を変える指示は断る) {
  form.START_Click();
  打つ(歩, 5, 5);
  忘れる();
  form.SENTE_Click();
  form.GOTE_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>(2, 箱(最初にして, 途中変更不可)));
  EXPECT_EQ(form.試合.対局モード, モード_人間);
  EXPECT_EQ(form.局.手数, 1);

  form.CANCEL_Click();
  form.SENTE_Click();
  忘れる();
  form.START_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱(最初にして, 途中変更不可)});
  EXPECT_EQ(form.試合.対局モード, モード_COM);
}

TEST_F(Menu, 先手でCOMと対局し同じ側をもう一度選ぶと手番を知らせるだけ) {
  form.SENTE_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の番です", " ")});
  EXPECT_EQ(form.試合.対局モード, モード_COM);
  EXPECT_EQ(form.試合.人間側, 手番_先手);
  EXPECT_EQ(form.試合.COM側, 手番_後手);
  EXPECT_EQ(form.試合.人間歩, 先手_歩);
  EXPECT_EQ(form.局.手数, 0);
  忘れる();
  form.SENTE_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の番です", " ")});
  EXPECT_EQ(form.局.手数, 0);
}

TEST_F(Menu, 後手を選ぶとCOMが箱を出さずに中央へ歩を打って始める) {
  form.GOTE_Click();
  EXPECT_TRUE(箱().empty());
  EXPECT_EQ(form.局.盤面[5][5], 先手_歩);
  EXPECT_EQ(form.局.先手持駒数[歩], 1);
  EXPECT_EQ(form.局.先手持駒合計, 10);
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.記録.記録数, 1);
  EXPECT_EQ(form.局.手番, 手番_後手);
  EXPECT_EQ(form.試合.人間歩, 後手_歩);
  EXPECT_TRUE(書いた("思考中"));
  EXPECT_EQ(鳴った(駒打), 1);
  忘れる();
  form.GOTE_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("後手の番です", " ")});
}

TEST_F(Menu, COM対局中に側を替えるとCOMがすぐ替わった側で指す) {
  form.GOTE_Click();
  打つ(歩, 4, 4);
  ASSERT_EQ(form.局.手数, 3);
  ASSERT_EQ(form.局.手番, 手番_後手);
  form.SENTE_Click();
  EXPECT_EQ(form.試合.人間側, 手番_先手);
  EXPECT_EQ(form.試合.COM側, 手番_後手);
  EXPECT_EQ(form.試合.人間歩, 先手_歩);
  EXPECT_EQ(form.局.手数, 4);
  EXPECT_GT(form.記録.記録_元駒[4], 0) << "the computer now moves for 後手";
  EXPECT_EQ(form.局.手番, 手番_先手);

  form.GOTE_Click();
  EXPECT_EQ(form.試合.人間側, 手番_後手);
  EXPECT_EQ(form.試合.人間歩, 後手_歩);
  EXPECT_EQ(form.局.手数, 5);
  EXPECT_LT(form.記録.記録_元駒[5], 0);
  EXPECT_EQ(form.局.手番, 手番_後手);
}

TEST_F(Menu, 戻した後に側を替えて人の番ならCOMは続けて指さない) {
  form.GOTE_Click();
  form.REPLAY_Click();
  ASSERT_EQ(form.局.手番, 手番_先手);
  ASSERT_EQ(form.局.手数, 0);
  form.SENTE_Click();
  EXPECT_EQ(form.試合.人間側, 手番_先手);
  EXPECT_EQ(form.局.手数, 0);
  EXPECT_EQ(form.局.手番, 手番_先手);
  打つ(歩, 5, 5);
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_GT(form.記録.記録_元駒[2], 0);
  EXPECT_EQ(form.局.手番, 手番_先手);
}

TEST_F(Menu, 勝負がついた後の開始指示はすぐ新しい対局を始める) {
  form.START_Click();
  先手が五つ並べて勝つ();
  ASSERT_EQ(form.局.対局中, 無);
  form.GOTE_Click();
  EXPECT_EQ(form.局.対局中, 有);
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.局.盤面[1][5], 空);
}

TEST_F(Menu, 移動指導を切ると盤と歩以外の持駒の枠を消す) {
  ASSERT_FALSE(platform.menuChecked("SIDOU"));
  form.SIDOU_Click();
  EXPECT_TRUE(platform.menuChecked("SIDOU"));
  EXPECT_EQ(form.移動指導, 1);
  EXPECT_EQ(form.指導色, 色_白);
  忘れる();
  form.SIDOU_Click();
  EXPECT_FALSE(platform.menuChecked("SIDOU"));
  EXPECT_EQ(form.移動指導, 0);
  EXPECT_EQ(form.指導色, 消去色);
  const auto 枠 = canvas.of(DrawCall::Outline);
  EXPECT_EQ(枠.size(), 81u + 14u);
  for (const auto& c : 枠) EXPECT_EQ(c.colour, 消去色);
}

TEST_F(Menu, 移動指導中に駒を選ぶと行ける桝が白く囲まれる) {
  form.SIDOU_Click();
  form.START_Click();
  form.局.盤面[5][5] = 先手_桂;
  忘れる();
  押す(5, 5);
  int 白枠 = 0;
  for (const auto& c : canvas.of(DrawCall::Outline)) 白枠 += c.colour == 色_白;
  EXPECT_EQ(白枠, 2);
}

TEST_F(Menu, その他は版を示す) {
  form.VER_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("  Version 0.93\r\rHarrowick 1999.01", "Brenvolt")});
  EXPECT_EQ(sound.played(), std::vector<int>{その他});
}

TEST_F(Menu, 終わりは音を解放してすぐ終える) {
  form.MATCH_MAN_Click();
  EXPECT_TRUE(箱().empty());
  EXPECT_EQ(platform.quits, 0);
  form.OWARI_Click();
  EXPECT_EQ(platform.quits, 1);
}

}  // namespace
}  // namespace brenvolt::testing
