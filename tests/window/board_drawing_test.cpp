// The board, the hand stands, the outline resets and the picture of every piece code.
#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <tuple>

#include "tests/window/form1_fixture.h"

namespace brenvolt::testing {
namespace {

TEST_F(Form1Test, 盤の桝は空なら木目で駒なら絵でどちらも緑の輪郭) {
  form.局.盤面[2][8] = 先手_と;
  form.局.盤面[9][1] = 後手_飛成;
  form.描画_盤();
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(最後の輪郭色(x, y), 背景色);
      if (form.局.盤面[x][y] == 空) {
        EXPECT_EQ(最後の絵(x, y), PictureId::KARA_MASU);
      }
    }
  }
  EXPECT_EQ(最後の絵(2, 8), PictureId::SITA_HU_1);
  EXPECT_EQ(最後の絵(9, 1), PictureId::UE_SYA_1);
  EXPECT_EQ(canvas.of(DrawCall::Picture).size(), 81u);
}

TEST_F(Form1Test, 持駒台は先手が歩から後手が王から数を明るい赤で並べる) {
  form.初期設定();
  canvas.clear();
  form.局.先手持駒数[3] = 0;  // no 桂 left
  form.描画_黒持盤();
  const auto 黒の呼数 = canvas.calls.size();
  form.描画_白持盤();

  const PictureId 先手[] = {PictureId::SITA_HU_0,  PictureId::SITA_KYOU_0, PictureId::KARA_MASU,
                            PictureId::SITA_GIN_0, PictureId::SITA_KIN,    PictureId::SITA_KAKU_0,
                            PictureId::SITA_SYA_0, PictureId::SITA_OU};
  const PictureId 後手[] = {PictureId::UE_OU,     PictureId::UE_SYA_0, PictureId::UE_KAKU_0,
                            PictureId::UE_KIN,    PictureId::UE_GIN_0, PictureId::UE_KEI_0,
                            PictureId::UE_KYOU_0, PictureId::UE_HU_0};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(最後の絵(11, i + 2), 先手[i]) << "row " << i + 2;
    EXPECT_EQ(最後の絵(-1, i + 1), 後手[i]) << "row " << i + 1;
    EXPECT_EQ(最後の輪郭色(11, i + 2), 背景色);
    EXPECT_EQ(最後の輪郭色(-1, i + 1), 背景色);
  }
  EXPECT_EQ(文字(12, 2.2).at(0).text, " 2 ");
  EXPECT_TRUE(文字(12, 4.2).empty()) << "an empty slot shows no count";
  EXPECT_EQ(文字(12, 9.2).at(0).text, " 1 ");
  EXPECT_EQ(文字(0, 1.2).at(0).text, " 1 ");
  EXPECT_EQ(文字(0, 8.2).at(0).text, " 2 ");
  for (const auto& c : canvas.of(DrawCall::Text)) {
    EXPECT_EQ(c.colour, 色_明赤);
    EXPECT_EQ(c.points, 14);
  }
  // Each stand first erases its column of counts.
  EXPECT_TRUE(消した箱(canvas.calls.at(0), 12, 2, 500, 5000));
  EXPECT_TRUE(消した箱(canvas.calls.at(黒の呼数), 0, 1, 490, 5000));
}

TEST_F(Form1Test, 全輪郭クリアは盤と両持駒台の色付き輪郭を残さない) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) form.描画_桝輪郭((x + y) % 2 ? 色_白 : 色_明赤, x, y);
  for (int r = 1; r <= 8; ++r) {
    form.描画_桝輪郭(色_明赤, 11, r + 1);
    form.描画_桝輪郭(色_白, -1, r);
  }
  ASSERT_EQ(色付き輪郭().size(), 81u + 16u);
  form.全輪郭クリア();
  EXPECT_TRUE(色付き輪郭().empty());
}

TEST(駒の絵Test, 全ての駒の値に対応する絵) {
  // The 後手 code is the negation of the 先手 one.
  const std::tuple<int, PictureId, PictureId> 表[] = {
      {先手_歩, PictureId::SITA_HU_0, PictureId::UE_HU_0},
      {先手_と, PictureId::SITA_HU_1, PictureId::UE_HU_1},
      {先手_香, PictureId::SITA_KYOU_0, PictureId::UE_KYOU_0},
      {先手_香成, PictureId::SITA_KYOU_1, PictureId::UE_KYOU_1},
      {先手_桂, PictureId::SITA_KEI_0, PictureId::UE_KEI_0},
      {先手_桂成, PictureId::SITA_KEI_1, PictureId::UE_KEI_1},
      {先手_銀, PictureId::SITA_GIN_0, PictureId::UE_GIN_0},
      {先手_銀成, PictureId::SITA_GIN_1, PictureId::UE_GIN_1},
      {先手_金, PictureId::SITA_KIN, PictureId::UE_KIN},
      {先手_角, PictureId::SITA_KAKU_0, PictureId::UE_KAKU_0},
      {先手_角成, PictureId::SITA_KAKU_1, PictureId::UE_KAKU_1},
      {先手_飛, PictureId::SITA_SYA_0, PictureId::UE_SYA_0},
      {先手_飛成, PictureId::SITA_SYA_1, PictureId::UE_SYA_1},
      {先手_王, PictureId::SITA_OU, PictureId::UE_OU}};
  std::set<PictureId> 使われた;
  for (const auto& [駒, 先手の絵, 後手の絵] : 表) {
    EXPECT_EQ(駒の絵(駒), 先手の絵) << 駒;
    EXPECT_EQ(駒の絵(-駒), 後手の絵) << -駒;
    使われた.insert({先手の絵, 後手の絵});
  }
  EXPECT_EQ(使われた.size(), 28u);
  EXPECT_EQ(駒の絵(題字), PictureId::PG_NA);
  for (int 値 : {先手_金成, 後手_金成, 1, -1, 9, 12, 102, 951, -951, 1001, INT_MIN, INT_MAX})
    EXPECT_EQ(駒の絵(値), std::nullopt) << 値;
}

}  // namespace
}  // namespace brenvolt::testing
