// The blink of a winning line and the wait between its phases.
#include <set>
#include <utility>

#include "tests/window/form1_fixture.h"

namespace brenvolt::testing {
namespace {

class BlinkTest : public Form1Test {
 protected:
  void 置く(std::initializer_list<std::pair<int, int>> 桝, int 駒) {
    for (const auto& [x, y] : 桝) form.局.盤面[x][y] = 駒;
  }

  // The squares drawn empty during the blink.
  std::set<std::pair<int, int>> 点滅した桝() const {
    std::set<std::pair<int, int>> 桝;
    for (const auto& c : canvas.of(DrawCall::Picture)) {
      if (c.picture != PictureId::KARA_MASU) continue;
      桝.insert({static_cast<int>(std::lround((c.x - 盤左) / 桝幅)),
                 static_cast<int>(std::lround((c.y - 盤上) / 桝高))});
    }
    return 桝;
  }
};

TEST_F(BlinkTest, 横の五並びを五回点滅させ駒と緑の輪郭で終わる) {
  置く({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}, 先手_歩);
  置く({{3, 6}, {3, 7}, {3, 8}}, 先手_金);  // a vertical four through (3, 5) does not count
  form.局.盤面[6][5] = 後手_歩;
  form.描画_桝輪郭(色_明赤, 3, 5);
  const double 始め = platform.now;
  form.描画_点滅5並び(手番_先手, 3, 5);

  const std::set<std::pair<int, int>> 五 = {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}};
  EXPECT_EQ(点滅した桝(), 五);
  EXPECT_EQ(canvas.of(DrawCall::Refresh).size(), 10u);
  EXPECT_EQ(canvas.of(DrawCall::Picture).size(), 5u * (5u + 5u));
  EXPECT_GE(platform.now - 始め, 10 * 0.2);

  // The last phase shows the pieces again, with plain green outlines.
  EXPECT_EQ(canvas.calls.back().kind, DrawCall::Refresh);
  for (const auto& [x, y] : 五) {
    EXPECT_EQ(最後の絵(x, y), PictureId::SITA_HU_0);
    EXPECT_EQ(最後の輪郭色(x, y), 背景色);
  }
  EXPECT_TRUE(色付き輪郭().empty());
}

TEST_F(BlinkTest, 端の桝からでも同じ五桝) {
  置く({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}, 後手_と);
  form.描画_点滅5並び(手番_後手, 1, 5);
  EXPECT_EQ(点滅した桝(), (std::set<std::pair<int, int>>{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));
}

TEST_F(BlinkTest, 二つの五が交わると後の方向だけが点滅する) {
  using 桝集合 = std::set<std::pair<int, int>>;
  const 桝集合 縦 = {{5, 3}, {5, 4}, {5, 5}, {5, 6}, {5, 7}};
  const 桝集合 横 = {{3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}};
  const 桝集合 下り = {{3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};
  const 桝集合 上り = {{3, 7}, {4, 6}, {5, 5}, {6, 4}, {7, 3}};
  const std::pair<桝集合, 桝集合> 組[] = {{縦, 横}, {横, 下り}, {縦, 上り}, {下り, 上り}};
  for (const auto& [先, 後] : 組) {
    form.局.盤面 = {};
    canvas.clear();
    for (const auto* 並び : {&先, &後})
      for (const auto& [x, y] : *並び) form.局.盤面[x][y] = 先手_銀;
    form.描画_点滅5並び(手番_先手, 5, 5);
    EXPECT_EQ(点滅した桝(), 後);
  }
}

TEST_F(BlinkTest, 五でない並びは何も描かない) {
  置く({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}, 先手_歩);  // six is not five
  form.描画_点滅5並び(手番_先手, 3, 1);
  form.描画_点滅5並び(手番_先手, 0, 1);
  form.描画_点滅5並び(手番_先手, 10, 10);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(Form1Test, 待ち時間はその秒数が経つまで戻らない) {
  const double 始め = platform.now;
  form.待ち時間(0.2);
  EXPECT_GE(platform.now - 始め, 0.2);
  EXPECT_LT(platform.now - 始め, 0.2 + 2 * platform.clockStep);

  const double 次 = platform.now;
  form.待ち時間(0);
  form.待ち時間(-5);
  EXPECT_EQ(platform.now, 次) << "no wait reads the clock";
}

}  // namespace
}  // namespace brenvolt::testing
