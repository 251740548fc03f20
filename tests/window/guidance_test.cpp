// Move guidance outlines exactly the squares the move rule accepts, and nothing while off.
#include <map>
#include <utility>

#include "tests/window/form1_fixture.h"

namespace brenvolt::testing {
namespace {

using 輪郭表 = std::map<std::pair<int, int>, int>;

class GuidanceTest : public Form1Test {
 protected:
  GuidanceTest() { form.初期設定(); }

  輪郭表 受け入れる桝(int 元X, int 元Y, int 駒, int 色) const {
    輪郭表 桝;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (form.局.移動チェック(元X, 元Y, x, y, 駒) == 有) 桝[{x, y}] = 色;
    return 桝;
  }
};

TEST_F(GuidanceTest, 桂は跳べる空き桝だけが白く囲まれ切れば輪郭が戻る) {
  form.局.盤面[5][5] = 先手_桂;
  form.局.盤面[3][5] = 後手_金;
  form.移動指導 = 1;
  form.描画_移動可能桝色(5, 5, 色_白, 先手_桂);
  EXPECT_EQ(色付き輪郭(), (輪郭表{{{4, 3}, 色_白}, {{6, 3}, 色_白}}));

  // An occupied landing square is never outlined.
  form.局.盤面[4][3] = 後手_歩;
  form.描画_移動可能桝色(5, 5, 色_白, 先手_桂);
  EXPECT_EQ(色付き輪郭(), (輪郭表{{{6, 3}, 色_白}}));

  // Off, every board outline goes back, the selection too; a chosen hand square keeps its own.
  form.描画_桝輪郭(色_明赤, 5, 5);
  form.描画_桝輪郭(色_明赤, 11, 4);
  form.移動指導 = 0;
  form.描画_移動可能桝色(5, 5, 色_白, 先手_桂);
  EXPECT_EQ(色付き輪郭(), (輪郭表{{{11, 4}, 色_明赤}}));
}

TEST_F(GuidanceTest, 持駒の歩は二歩の列と一段目を除く空き桝) {
  form.局.盤面[5][7] = 先手_歩;
  form.局.盤面[2][4] = 後手_金;
  form.局.盤面[7][2] = 先手_と;
  form.局.調査_2歩フラグ設定();
  form.移動指導 = 1;
  form.描画_移動可能桝色(先手持駒列, 2, 色_白, 先手_歩);

  輪郭表 期待;
  for (int x = 1; x <= 9; ++x)
    for (int y = 2; y <= 9; ++y)
      if (x != 5 && form.局.盤面[x][y] == 空) 期待[{x, y}] = 色_白;
  EXPECT_EQ(色付き輪郭(), 期待);
  EXPECT_EQ(期待, 受け入れる桝(先手持駒列, 2, 先手_歩, 色_白));
}

TEST_F(GuidanceTest, 混んだ局面でも移動チェックが認める桝と一致する) {
  // A crowded middle game: every piece kind of both sides, promoted ones too.
  const int 配置[][3] = {{5, 5, 先手_飛},   {2, 2, 後手_角}, {5, 2, 後手_金}, {8, 5, 先手_香},
                         {3, 7, 先手_銀成}, {7, 3, 後手_桂}, {5, 8, 先手_王}, {1, 5, 後手_飛成},
                         {6, 6, 先手_角成}, {4, 4, 後手_銀}, {9, 9, 先手_と}, {2, 8, 後手_香成}};
  for (const auto& [x, y, 駒] : 配置) form.局.盤面[x][y] = 駒;
  form.局.調査_2歩フラグ設定();
  form.移動指導 = 1;
  for (const auto& [x, y, 駒] : 配置) {
    canvas.clear();
    form.描画_移動可能桝色(x, y, 色_白, 駒);
    EXPECT_EQ(色付き輪郭(), 受け入れる桝(x, y, 駒, 色_白)) << "piece " << 駒 << " at " << x << y;
  }
}

}  // namespace
}  // namespace brenvolt::testing
