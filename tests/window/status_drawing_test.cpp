// Numbers, labels, the move count and the move notation: texts, places, sizes and the boxes
// erased under them.
#include <string>
#include <vector>

#include "tests/window/form1_fixture.h"

namespace brenvolt::testing {
namespace {

TEST_F(Form1Test, 数値は前後に空白か負号を付け先に箱を消す) {
  form.描画_数値(2, 3, 7, 色_明赤, 0, 14);
  form.描画_数値(2, 4, -35, 色_明赤, 0, 14);
  form.描画_数値(2, 5, 3, 色_白, 1, 12);
  form.描画_数値(2, 6, 10, 色_白, 1, 12);
  form.描画_数値(2, 7, 盤の文("思考中"), 結果色, 0, 12);

  EXPECT_EQ(canvas.texts(), (std::vector<std::string>{" 7 ", "-35 ", "三", "思考中"}));
  // Each call erases a 400 x 350 box at its own place before drawing, text or not.
  const auto 塗り = canvas.of(DrawCall::Fill);
  ASSERT_EQ(塗り.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(消した箱(塗り[i], 2, 3 + i, 400, 350)) << i;
  EXPECT_EQ(canvas.calls[0].kind, DrawCall::Fill);
  const auto& 七 = canvas.calls[1];
  EXPECT_TRUE(同じ位置(七, 2, 3));
  EXPECT_EQ(七.points, 14);
  EXPECT_EQ(七.colour, 色_明赤);
  EXPECT_FALSE(七.bold) << "bold only from the labels on";
}

TEST_F(Form1Test, 座標番号は太字で列は9から1段は一から九) {
  form.描画_桝_数値();
  const auto 文字列 = canvas.of(DrawCall::Text);
  ASSERT_EQ(文字列.size(), 18u);
  const char* 段[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
  for (int i = 1; i <= 9; ++i) {
    const auto& 列 = 文字列[2 * (i - 1)];
    EXPECT_EQ(列.text, " " + std::to_string(10 - i) + " ");
    EXPECT_TRUE(同じ位置(列, i + 0.1, 0.4));
    EXPECT_EQ(列.points, 16);
    const auto& 行 = 文字列[2 * (i - 1) + 1];
    EXPECT_EQ(行.text, 段[i - 1]);
    EXPECT_TRUE(同じ位置(行, 10.1, i + 0.3));
    EXPECT_EQ(行.points, 12);
    EXPECT_TRUE(列.bold && 行.bold);
    EXPECT_EQ(列.colour, 色_白);
  }
  // Bold stays for every later text; values without a notation text draw nothing.
  canvas.clear();
  for (int 値 : {0, -1, 1000, 1010, 111, -111, 12, 1001, 9, 先手_飛成, 後手_と})
    form.描画_移動駒種類(1, 1, 値, 色_白);
  EXPECT_EQ(canvas.texts(), (std::vector<std::string>{"一", "９", "飛成", "と"}));
  for (const auto& c : canvas.calls)
    EXPECT_TRUE(c.kind == DrawCall::Text && c.bold && c.points == 12);
}

TEST_F(Form1Test, 手数は手目の箱に消される前に描かれ一桁は右へずれる) {
  form.描画_手数(9, 色_明赤);
  const auto 一桁 = canvas.calls;
  canvas.clear();
  form.描画_手数(10, 色_明赤);
  const auto 二桁 = canvas.calls;

  // box, count's box, count, "手目" box, "手目"
  for (const auto* 呼 : {&一桁, &二桁}) {
    ASSERT_EQ(呼->size(), 5u);
    EXPECT_TRUE(消した箱((*呼)[0], 13, 2.3, 1250, 300));
    EXPECT_EQ((*呼)[2].kind, DrawCall::Text);
    EXPECT_EQ((*呼)[2].colour, 色_白) << "the passed colour is not used";
    EXPECT_EQ((*呼)[2].points, 12);
    EXPECT_TRUE(消した箱((*呼)[3], 13.7, 2.1, 2200, 560));
    const auto& 手目 = (*呼)[4];
    EXPECT_EQ(手目.text, "手目");
    EXPECT_DOUBLE_EQ(手目.x, 点X(13.7) + 120);
    EXPECT_DOUBLE_EQ(手目.y, 点Y(2.1) + 160);
    EXPECT_EQ(手目.points, 10);
  }
  EXPECT_EQ(一桁[2].text, " 9 ");
  EXPECT_EQ(二桁[2].text, " 10 ");
  EXPECT_DOUBLE_EQ(一桁[2].x - 二桁[2].x, 49.5);
  EXPECT_DOUBLE_EQ(一桁[2].y, 二桁[2].y);
}

TEST_F(Form1Test, 移動結果は動いた側の欄に列段駒名を書いて見せる) {
  form.描画_移動結果(3, 6, 先手_歩, 結果色);
  ASSERT_EQ(canvas.calls.size(), 5u);
  EXPECT_TRUE(消した箱(canvas.calls[0], 13.3, 3, 1360, 380));
  EXPECT_EQ(文字(13.3, 3).at(0).text, "７");
  EXPECT_EQ(文字(13.7, 3).at(0).text, "六");
  EXPECT_EQ(文字(14.3, 3).at(0).text, "歩");
  EXPECT_EQ(canvas.calls.back().kind, DrawCall::Refresh);

  canvas.clear();
  form.描画_移動結果(9, 1, 後手_銀成, 結果色);
  EXPECT_TRUE(消した箱(canvas.calls.at(0), -1.75, 9.5, 1360, 380));
  EXPECT_EQ(文字(-1.75, 9.5).at(0).text, "１");
  EXPECT_EQ(文字(-1.35, 9.5).at(0).text, "一");
  EXPECT_EQ(文字(-0.75, 9.5).at(0).text, "銀成");

  // A value of no side has no slot: nothing is erased or written anywhere.
  canvas.clear();
  form.描画_移動結果(3, 6, 空, 結果色);
  EXPECT_TRUE(canvas.calls.empty());
}

}  // namespace
}  // namespace brenvolt::testing
