#include <optional>

#include "tests/play/play_fixture.h"

namespace brenvolt::testing {
namespace {

using ComputerPlay = PlayTest;

double 桝のX(double x) {
  return 盤左 + 桝幅 * x;
}
double 桝のY(double y) {
  return 盤上 + 桝高 * y;
}

TEST_F(ComputerPlay, 人が指すとCOMが思考中を見せてから後手で応じ手番を返す) {
  form.SENTE_Click();
  忘れる();
  打つ(歩, 5, 5);
  ASSERT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_EQ(form.記録.記録数, 2);
  const int 先X = form.記録.記録_先X[2];
  const int 先Y = form.記録.記録_先Y[2];
  EXPECT_GT(form.記録.記録_元駒[2], 0);
  EXPECT_EQ(form.局.盤面[先X][先Y], form.記録.記録_先駒[2]);
  EXPECT_EQ(form.局.後手持駒合計, 10);
  EXPECT_EQ(sound.played(), (std::vector<int>{駒打, 駒打}));

  // The notice is written in 後手's slot and pushed to the screen before the move appears.
  size_t 思考中 = canvas.calls.size(), 見せた = 思考中, 白枠 = 思考中;
  for (size_t i = 0; i < canvas.calls.size(); ++i) {
    const DrawCall& c = canvas.calls[i];
    if (c.kind == DrawCall::Text && c.text == "思考中" && 思考中 == canvas.calls.size()) {
      思考中 = i;
      EXPECT_DOUBLE_EQ(c.x, 桝のX(後手結果X));
      EXPECT_DOUBLE_EQ(c.y, 桝のY(後手結果Y));
    }
    if (c.kind == DrawCall::Refresh && i > 思考中 && 見せた == canvas.calls.size()) 見せた = i;
    if (c.kind == DrawCall::Outline && c.colour == 色_白 && c.x == 桝のX(先X) && c.y == 桝のY(先Y))
      白枠 = i;
  }
  EXPECT_LT(思考中, 見せた);
  EXPECT_LT(見せた, 白枠) << "the computer's destination is outlined in white";
  EXPECT_LT(白枠, canvas.calls.size());
}

TEST_F(ComputerPlay, COMの番に押すとCOMが指すだけ) {
  form.SENTE_Click();
  打つ(歩, 5, 5);
  const 手順 COMの手 = form.記録.記録_項目(2);
  form.REPLAY_Click();
  ASSERT_EQ(form.局.手番, 手番_後手);
  忘れる();
  押す(先手持駒列, 2);
  EXPECT_EQ(form.入力段階, 0) << "the press chose nothing";
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.記録.記録_項目(2), COMの手) << "the same position gives the same move";
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_TRUE(箱().empty());
}

TEST_F(ComputerPlay, COMが五つ並べるとCOMの勝ち) {
  form.SENTE_Click();
  for (int x = 1; x <= 4; ++x) form.局.盤面[x][1] = 後手_金;
  忘れる();
  打つ(歩, 9, 9);
  EXPECT_EQ(form.局.盤面[5][1] > 0, true);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("ＣＯＭの勝ちです", "終了")});
  EXPECT_EQ(鳴った(終局), 1);
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_EQ(form.局.手番, 手番_なし);
}

// 後手's only move takes the lance off the end of a line of six, leaving five behind it.
TEST_F(ComputerPlay, COMが駒を離して六つを五つにしてもCOMの勝ち) {
  form.SENTE_Click();
  盤を空に();
  for (int x = 1; x <= 6; ++x) form.局.盤面[x][1] = 後手_香;
  form.局.盤面[3][2] = 後手_香;
  for (auto [x, y] : {std::pair{1, 2}, {2, 2}, {4, 2}, {5, 2}, {3, 3}, {6, 3}})
    form.局.盤面[x][y] = 先手_金;
  form.局.後手持駒数.fill(0);
  form.局.後手持駒合計 = 0;
  忘れる();
  打つ(歩, 9, 9);
  EXPECT_EQ(form.局.盤面[6][2], 後手_香);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("ＣＯＭの勝ちです", "終了")});
  EXPECT_EQ(form.局.対局中, 無);
}

TEST_F(ComputerPlay, 人が五つ並べるとどちらの側でもあなたの勝ちでCOMは指さない) {
  form.SENTE_Click();
  for (int x = 1; x <= 4; ++x) form.局.盤面[x][9] = 先手_金;
  忘れる();
  打つ(銀, 5, 9);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("あなたの勝ちです", "終了")});
  EXPECT_EQ(form.局.手数, 1);

  form.GOTE_Click();
  for (int x = 5; x <= 8; ++x) form.局.盤面[x][1] = 後手_金;
  忘れる();
  打つ(銀, 9, 1);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("あなたの勝ちです", "終了")});
  EXPECT_EQ(form.局.手数, 2);
}

TEST_F(ComputerPlay, 指す手のないCOMは手を渡し何も記録しない) {
  form.SENTE_Click();
  form.局.後手持駒数.fill(0);
  form.局.後手持駒合計 = 0;
  忘れる();
  打つ(歩, 5, 5);
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.記録.記録数, 1);
  EXPECT_EQ(form.記録.記録終端, 1);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_EQ(form.局.対局中, 有);
  EXPECT_TRUE(箱().empty());
  // The notice is erased again: the last drawing in 後手's slot fills it with the background.
  const DrawCall* 最後 = nullptr;
  for (const auto& c : canvas.calls)
    if ((c.kind == DrawCall::Fill || c.kind == DrawCall::Text) && c.x == 桝のX(後手結果X) &&
        c.y == 桝のY(後手結果Y))
      最後 = &c;
  ASSERT_NE(最後, nullptr);
  EXPECT_EQ(最後->kind, DrawCall::Fill);
  EXPECT_EQ(最後->colour, 背景色);

  打つ(歩, 4, 4);
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.局.手番, 手番_先手);
}

// The person's first allowed move, looking from the far corner: hand pieces first, then board
// pieces. Empty when the person has none.
std::optional<手順> 人の手(Form1& form) {
  form.局.調査_2歩フラグ設定();
  const int 側 = form.試合.人間側;
  const int 持駒列 = 側 == 手番_先手 ? 先手持駒列 : 後手持駒列;
  auto 指せる = [&](int 元X, int 元Y, int 先X, int 先Y, int 駒) {
    return form.局.移動チェック(元X, 元Y, 先X, 先Y, 駒) == 有 &&
           form.局.調査_三三(元X, 元Y, 先X, 先Y, 側, 駒) == 無 &&
           form.局.調査_四四(元X, 元Y, 先X, 先Y, 側, 駒) == 無;
  };
  for (int 行 = 1; 行 <= 9; ++行) {
    if (form.局.取得_持駒数(側, 行) <= 0) continue;
    const int 駒 = form.局.取得_持駒(側, 行);
    for (int x = 9; x >= 1; --x)
      for (int y = 9; y >= 1; --y)
        if (指せる(持駒列, 行, x, y, 駒)) return 手順{持駒列, 行, x, y, 駒, 駒};
  }
  for (int 元X = 9; 元X >= 1; --元X)
    for (int 元Y = 9; 元Y >= 1; --元Y) {
      const int 駒 = form.局.盤面[元X][元Y];
      if (調査_駒(側, 駒) == 無) continue;
      for (int x = 9; x >= 1; --x)
        for (int y = 9; y >= 1; --y)
          if (指せる(元X, 元Y, x, y, 駒)) return 手順{元X, 元Y, x, y, 駒, 駒};
    }
  return std::nullopt;
}

TEST_F(ComputerPlay, 最後まで指した対局は全部戻すと開始局面に戻り全部進めると終局に戻る) {
  for (auto 開始 : {&Form1::SENTE_Click, &Form1::GOTE_Click}) {
    (form.*開始)();
    while (form.局.対局中 == 有 && form.局.手数 < 120) {
      const auto 手 = 人の手(form);
      ASSERT_TRUE(手) << "the person always has a move here";
      const int 前 = form.局.手数;
      押す(手->元X, 手->元Y);
      押す(手->先X, 手->先Y, 移動後チェック(手->先Y, 手->元駒) == 無 ? 右ボタン : 左ボタン);
      ASSERT_GT(form.局.手数, 前);
      canvas.clear();
    }
    const int 手数 = form.局.手数;
    EXPECT_EQ(form.局.対局中, 無) << "a person who never blocks loses";
    const auto 最後の盤 = form.局.盤面;
    EXPECT_EQ(form.記録.記録数, 手数);
    while (form.記録.記録数 > 0) form.REPLAY_Click();
    for (const auto& 列 : form.局.盤面)
      for (int 駒 : 列) EXPECT_EQ(駒, 空);
    EXPECT_EQ(form.局.先手持駒合計, 11);
    EXPECT_EQ(form.局.後手持駒合計, 11);
    EXPECT_EQ(form.局.手数, 0);
    while (form.記録.記録数 < 手数) form.AFTER_Click();
    EXPECT_EQ(form.局.盤面, 最後の盤);
    form.CANCEL_Click();
    canvas.clear();
  }
}

}  // namespace
}  // namespace brenvolt::testing
