#include <limits>

#include "tests/play/play_fixture.h"

namespace brenvolt::testing {
namespace {

using TurnFlow = PlayTest;

TEST_F(TurnFlow, 対局していなければどこを押しても開始を促し禁止音を鳴らす) {
  押す(5, 5);
  押す(先手持駒列, 2, 右ボタン);
  EXPECT_EQ(箱(), std::vector<ShownBox>(2, 箱("「対局」で始めて下さい", "開始")));
  EXPECT_EQ(鳴った(禁止), 2);
  EXPECT_EQ(form.記録.記録数, 0);
}

TEST_F(TurnFlow, 最初の押下が空の桝か相手の駒なら手番を知らせるだけ) {
  form.START_Click();
  忘れる();
  押す(5, 5);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の番です", "開始")});
  打つ(歩, 5, 5);
  忘れる();
  押す(5, 5);
  押す(4, 4);
  EXPECT_EQ(箱(), std::vector<ShownBox>(2, 箱("後手の番です", "開始")));
  EXPECT_TRUE(sound.played().empty());
  EXPECT_EQ(form.入力段階, 0);
}

TEST_F(TurnFlow, 動けない桝への移動は音だけで断り選んだ駒はそのまま) {
  form.START_Click();
  忘れる();
  打つ(金, 5, 5);
  打つ(金, 1, 1);
  忘れる();
  指す(5, 5, 5, 7);
  EXPECT_TRUE(箱().empty());
  EXPECT_EQ(鳴った(禁止), 1);
  EXPECT_EQ(form.入力段階, 1);
  EXPECT_EQ(form.局.手数, 2);
  押す(1, 1);  // occupied by the opponent: refused as a destination too
  EXPECT_EQ(鳴った(禁止), 2);
  押す(5, 4);
  EXPECT_EQ(form.局.盤面[5][4], 先手_金);
  EXPECT_EQ(form.局.手番, 手番_後手);
}

TEST_F(TurnFlow, 三三と四四は理由を示して断り手番は変わらない) {
  form.START_Click();
  忘れる();
  盤を空に();
  for (auto [x, y] : {std::pair{3, 5}, {4, 5}, {5, 3}, {5, 4}}) form.局.盤面[x][y] = 先手_金;
  忘れる();
  打つ(歩, 5, 5);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("3 * 3 です！打てません", "Brenvolt")});
  EXPECT_EQ(鳴った(禁止), 1);
  EXPECT_EQ(form.局.盤面[5][5], 空);
  EXPECT_EQ(form.入力段階, 1);

  for (auto [x, y] : {std::pair{2, 5}, {5, 2}}) form.局.盤面[x][y] = 先手_銀;
  忘れる();
  押す(5, 5);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("4 * 4 です！打てません", "Brenvolt")});
  EXPECT_EQ(鳴った(禁止), 1);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_EQ(form.局.手数, 0);
  EXPECT_EQ(form.局.先手持駒数[歩], 2);
}

TEST_F(TurnFlow, 行き所のない成りは右ボタンでだけ指せる) {
  form.START_Click();
  忘れる();
  form.局.盤面[3][2] = 先手_歩;
  忘れる();
  指す(3, 2, 3, 1);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("マウスの右をクリックして下さい", "成り")});
  EXPECT_EQ(鳴った(禁止), 1);
  EXPECT_EQ(form.局.盤面[3][2], 先手_歩);
  押す(3, 1, 右ボタン);
  EXPECT_EQ(form.局.盤面[3][1], 先手_と);
  EXPECT_EQ(form.記録.記録_元駒[1], 先手_歩);
  EXPECT_EQ(form.記録.記録_先駒[1], 先手_と);
  EXPECT_EQ(form.局.手番, 手番_後手);
}

TEST_F(TurnFlow, 成れる移動は右ボタンなら成り左ボタンなら成らない) {
  form.START_Click();
  忘れる();
  form.局.盤面[2][4] = 先手_銀;
  form.局.盤面[7][6] = 後手_銀;
  指す(2, 4, 2, 3);
  EXPECT_EQ(form.局.盤面[2][3], 先手_銀);
  指す(7, 6, 7, 7, 右ボタン);
  EXPECT_EQ(form.局.盤面[7][7], 後手_銀成);
  EXPECT_EQ(form.記録.記録_先駒[2], 後手_銀成);
  指す(2, 3, 3, 2, 右ボタン);
  EXPECT_EQ(form.局.盤面[3][2], 先手_銀成);
  EXPECT_EQ(form.局.手数, 3);
}

TEST_F(TurnFlow, 選んだ桝の右押しで取り消し他の桝の右押しは駒を選ぶ) {
  form.START_Click();
  忘れる();
  打つ(金, 5, 5);
  打つ(金, 5, 1);
  押す(5, 5, 右ボタン);
  EXPECT_EQ(form.入力段階, 1);
  EXPECT_EQ(form.指手[6], 先手_金);
  押す(5, 5, 右ボタン);
  EXPECT_EQ(form.入力段階, 0);
  押す(5, 4);
  EXPECT_EQ(form.局.盤面[5][4], 空) << "after a cancel the next press chooses again";
  EXPECT_EQ(form.入力段階, 0);

  押す(先手持駒列, 2);
  EXPECT_EQ(form.入力段階, 1);
  押す(先手持駒列, 2, 右ボタン);
  EXPECT_EQ(form.入力段階, 0);
}

TEST_F(TurnFlow, 盤の左右の外は持駒列になり盤から遠い点は何も選ばない) {
  form.START_Click();
  忘れる();
  // Just left of the board origin is column -1, 後手's stand; 先手 may not take from it.
  form.Form_MouseDown(左ボタン, 0, 盤左 - 1, 盤上 + 桝高 * 8 + 1);
  EXPECT_EQ(form.入力段階, 0);
  form.Form_MouseDown(左ボタン, 0, 6545, 盤上 + 桝高 * 2 + 1);
  EXPECT_EQ(form.入力段階, 1);
  EXPECT_EQ(form.指手[6], 先手_歩);
  form.Form_MouseDown(左ボタン, 0, 盤左 + 桝幅 * 5, 盤上 + 桝高 * 5);
  EXPECT_EQ(form.局.盤面[5][5], 先手_歩);

  form.Form_MouseDown(左ボタン, 0, 604, 盤上 + 桝高 * 8 + 1);  // column -2
  EXPECT_EQ(form.入力段階, 0);
  form.Form_MouseDown(左ボタン, 0, 605, 盤上 + 桝高 * 8 + 1);
  EXPECT_EQ(form.入力段階, 1);
  EXPECT_EQ(form.指手[6], 後手_歩);
  for (double 遠い : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN()})
    form.Form_MouseDown(左ボタン, 0, 遠い, 遠い);
  EXPECT_EQ(form.入力段階, 1) << "a press outside the board keeps the choice";
  押す(4, 4);
  EXPECT_EQ(form.局.盤面[4][4], 後手_歩);
}

TEST_F(TurnFlow, 空の持駒を押すと駒を促し禁止音) {
  form.START_Click();
  忘れる();
  押す(先手持駒列, 1);  // the row above 歩 holds no kind
  form.局.先手持駒数[角] = 0;
  押す(先手持駒列, 角 + 1);
  EXPECT_EQ(箱(), std::vector<ShownBox>(2, 箱("駒をクリックて下さい", "開始")));
  EXPECT_EQ(鳴った(禁止), 2);
  EXPECT_EQ(form.入力段階, 0);
}

TEST_F(TurnFlow, 持駒を打つと持駒と合計が減り記録され手番が移る) {
  form.START_Click();
  忘れる();
  打つ(角, 3, 7);
  EXPECT_EQ(form.局.盤面[3][7], 先手_角);
  EXPECT_EQ(form.局.先手持駒数[角], 0);
  EXPECT_EQ(form.局.先手持駒合計, 10);
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.記録.記録数, 1);
  EXPECT_EQ(form.記録.記録_元X[1], 先手持駒列);
  EXPECT_EQ(form.記録.記録_元Y[1], 角 + 1);
  EXPECT_EQ(form.記録.記録_先駒[1], 先手_角);
  EXPECT_EQ(form.局.手番, 手番_後手);
  EXPECT_EQ(鳴った(駒打), 1);
  EXPECT_TRUE(箱().empty());
}

TEST_F(TurnFlow, 二人対局で先手が五つ並べると先手の勝ち) {
  form.START_Click();
  忘れる();
  先手が五つ並べて勝つ();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の勝ちです", "終了")});
  EXPECT_EQ(鳴った(終局), 1);
  EXPECT_EQ(form.局.手番, 手番_なし);
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_EQ(form.局.手数, 9);

  忘れる();
  押す(6, 5);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("「対局」で始めて下さい", "開始")});
}

TEST_F(TurnFlow, 二人対局で後手が五つ並べると後手の勝ち) {
  form.START_Click();
  忘れる();
  const int 先手の駒[] = {金, 角, 飛, 銀, 王};
  const std::pair<int, int> 先手の桝[] = {{9, 9}, {6, 9}, {9, 6}, {6, 6}, {3, 9}};
  for (int i = 0; i < 5; ++i) {
    打つ(先手の駒[i], 先手の桝[i].first, 先手の桝[i].second);
    打つ(王 - i, i + 1, 1);
  }
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("後手の勝ちです", "終了")});
  EXPECT_EQ(form.局.手番, 手番_なし);
  EXPECT_EQ(form.局.対局中, 無);
}

TEST_F(TurnFlow, 駒が離れて六つが五つになっても勝ち) {
  form.START_Click();
  忘れる();
  for (int x = 1; x <= 6; ++x) form.局.盤面[x][5] = 先手_金;
  指す(6, 5, 6, 4);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の勝ちです", "終了")});
  EXPECT_EQ(form.局.対局中, 無);
}

}  // namespace
}  // namespace brenvolt::testing
