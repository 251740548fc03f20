// The turn's aids: the lines of a refused double three or double four outlined on the board,
// the promotion question, and 待った taking back a whole turn against the computer.
#include <cstdint>
#include <map>
#include <utility>

#include "tests/play/play_fixture.h"
#include "tests/support/game_difference.h"

namespace brenvolt::testing {
namespace {

class Turns : public PlayTest {
 protected:
  // The colour of the last outline drawn around each square since the canvas was cleared.
  std::map<std::pair<int, int>, int> 最後の輪郭() const {
    std::map<std::pair<int, int>, int> 色;
    for (const auto& c : canvas.of(DrawCall::Outline)) {
      色[{static_cast<int>((c.x - 盤左) / 桝幅), static_cast<int>((c.y - 盤上) / 桝高)}] = c.colour;
    }
    return 色;
  }
  // 先手 stands on (3, 5), (4, 5), (5, 3) and (5, 4), 後手 in the corners; 先手 to move, with
  // 飛 chosen from the hand.
  void 三三の手前まで() {
    form.START_Click();
    打つ(歩, 3, 5);
    打つ(王, 9, 1);
    打つ(歩, 4, 5);
    打つ(飛, 9, 9);
    打つ(金, 5, 3);
    打つ(角, 1, 1);
    打つ(銀, 5, 4);
    打つ(金, 1, 9);
    押す(先手持駒列, 飛 + 1);
  }
};

TEST_F(Turns, 三三を断るとその線を箱と共に示し次の押下で消す) {
  三三の手前まで();
  忘れる();
  std::map<std::pair<int, int>, int> 箱の時の輪郭;
  platform.onBox = [&](const ShownBox&) { 箱の時の輪郭 = 最後の輪郭(); };
  押す(5, 5);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("3 * 3 です！打てません", "Brenvolt")});
  std::map<std::pair<int, int>, int> 線;
  for (const auto& [桝, 色] : 箱の時の輪郭)
    if (色 == 禁手色) 線[桝] = 色;
  const std::map<std::pair<int, int>, int> 三三 = {
      {{3, 5}, 禁手色}, {{4, 5}, 禁手色}, {{5, 5}, 禁手色}, {{5, 3}, 禁手色}, {{5, 4}, 禁手色}};
  EXPECT_EQ(線, 三三) << "outlined before the box opens";
  EXPECT_EQ(form.入力段階, 1) << "the piece stays chosen";

  // The next press, refused too (an occupied square), erases them and gives the chosen piece
  // its outline back.
  忘れる();
  押す(3, 5);
  const auto 後 = 最後の輪郭();
  for (const auto& [桝, 色] : 三三) EXPECT_NE(後.at(桝), 禁手色) << 桝.first << "," << 桝.second;
  EXPECT_EQ(後.at({先手持駒列, 飛 + 1}), 色_明赤);
  // A press that is not refused draws no magenta at all.
  忘れる();
  押す(6, 6);
  EXPECT_EQ(form.局.盤面[6][6], 先手_飛);
  for (const auto& c : canvas.of(DrawCall::Outline)) EXPECT_NE(c.colour, 禁手色);
}

TEST_F(Turns, 移動指導の白枠は禁手の線を消した後も残る) {
  form.SIDOU_Click();
  三三の手前まで();
  押す(5, 5);
  忘れる();
  押す(3, 5);
  EXPECT_EQ(最後の輪郭().at({5, 5}), 色_白) << "the refused square is still a square 飛 may go to";
}

TEST_F(Turns, 四四も断ると四つずつの線を示す) {
  form.START_Click();
  const int 先手X[] = {2, 3, 4, 5, 5, 5};
  const int 先手Y[] = {5, 5, 5, 2, 3, 4};
  const int 先手の駒[] = {歩, 香, 金, 銀, 角, 桂};
  const int 後手X[] = {9, 9, 1, 1, 8, 8};
  const int 後手Y[] = {1, 9, 1, 9, 1, 8};
  const int 後手の駒[] = {王, 飛, 角, 金, 銀, 歩};
  for (int i = 0; i < 6; ++i) {
    打つ(先手の駒[i], 先手X[i], 先手Y[i]);
    打つ(後手の駒[i], 後手X[i], 後手Y[i]);
  }
  ASSERT_EQ(form.局.手数, 12);
  忘れる();
  打つ(飛, 5, 5);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("4 * 4 です！打てません", "Brenvolt")});
  int 紫 = 0;
  for (const auto& [桝, 色] : 最後の輪郭()) 紫 += 色 == 禁手色;
  EXPECT_EQ(紫, 7);
}

class Promotion : public PlayTest {
 protected:
  // 先手's 歩 stands on (5, 4), 先手 to move, with the question switched on.
  void 歩を四段目に() {
    if (!form.今の選択().成りを確認) form.NARI_Click();
    form.START_Click();
    打つ(歩, 5, 4);
    打つ(王, 9, 9);
    platform.questions.clear();
  }
  const ShownBox 問い{"成りますか？ [成る / 成らない]", "成り", BoxIcon::None};
};

TEST_F(Promotion, 成れる手を左で指すと尋ねて答えのとおりに置く) {
  for (const bool 成る : {true, false}) {
    歩を四段目に();
    platform.firstChoice = 成る;
    忘れる();
    指す(5, 4, 5, 3);
    EXPECT_EQ(platform.questions, std::vector<ShownBox>{問い});
    EXPECT_EQ(form.局.盤面[5][3], 成る ? 先手_と : 先手_歩);
    EXPECT_EQ(form.記録.記録_項目(form.記録.記録数).先駒, form.局.盤面[5][3]);
    EXPECT_TRUE(箱().empty());
    form.CANCEL_Click();
  }
}

TEST_F(Promotion, 右ボタンと成れない手と成らねばならない手では尋ねない) {
  歩を四段目に();
  指す(5, 4, 5, 3, 右ボタン);  // the right button promotes as always
  EXPECT_EQ(form.局.盤面[5][3], 先手_と);
  打つ(飛, 9, 8);
  打つ(金, 4, 2);  // a drop never promotes
  打つ(角, 9, 7);
  EXPECT_TRUE(platform.questions.empty());

  form.CANCEL_Click();
  歩を四段目に();
  platform.firstChoice = false;
  指す(5, 4, 5, 3);
  打つ(飛, 9, 8);
  指す(5, 3, 5, 2);
  打つ(角, 9, 7);
  platform.questions.clear();
  忘れる();
  指す(5, 2, 5, 1);  // a 歩 on the last row must promote: the classic refusal, no question
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("マウスの右をクリックして下さい", "成り")});
  EXPECT_EQ(form.局.盤面[5][2], 先手_歩);
}

TEST_F(Promotion, 確認は既定で切れていて切れていれば尋ねない) {
  EXPECT_FALSE(form.今の選択().成りを確認);
  form.START_Click();
  打つ(歩, 5, 4);
  打つ(王, 9, 9);
  指す(5, 4, 5, 3);
  EXPECT_EQ(form.局.盤面[5][3], 先手_歩);
  EXPECT_TRUE(platform.questions.empty());
  form.NARI_Click();
  EXPECT_TRUE(platform.menuChecked("NARI"));
  EXPECT_TRUE(form.今の選択().成りを確認);
}

class TakeBack : public PlayTest {
 protected:
  // A random move of the side to move, played with the mouse as a person plays it.
  void 人がでたらめに指す(std::uint64_t& 種) {
    対局状態 写し = form.局;
    const std::vector<着手> 手 = 指せる手(写し);
    ASSERT_FALSE(手.empty());
    種 = 種 * 6364136223846793005ULL + 1442695040888963407ULL;
    const 着手& m = 手[(種 >> 33) % 手.size()];
    押す(m.元X, m.元Y);
    押す(m.先X, m.先Y, m.置駒 != m.移動駒 ? 右ボタン : 左ボタン);
  }
  // The game as it stood before the person's last move.
  対局 人の手の前() const {
    対局 前 = form.対局の写し();
    int n = 前.記録.記録数;
    while (n > 0 && 取得_手番(前.記録.記録_項目(n).元駒) != 前.人間側) --n;
    前.手目へ(n - 1);
    return 前;
  }
};

TEST_F(TakeBack, COM相手の待ったは人の手とCOMの応手を戻して人の番にする) {
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    std::uint64_t 種 = seed;
    form.CANCEL_Click();
    seed % 2 ? form.SENTE_Click() : form.GOTE_Click();
    for (int 回 = 0; 回 < 12 && form.局.対局中 == 有; ++回) {
      ASSERT_NO_FATAL_FAILURE(人がでたらめに指す(種));
      if (回 % 3 != 2) continue;
      const 対局 期待 = 人の手の前();
      const int 終端 = form.記録.記録終端;
      form.MATTA_Click();
      EXPECT_EQ(対局の違い(form.対局の写し(), 期待), "");
      EXPECT_EQ(form.局.手番, form.試合.人間側);
      EXPECT_EQ(form.局.対局中, 有);
      EXPECT_EQ(form.記録.記録終端, 終端) << "進 replays what was taken back";
    }
  }
}

TEST_F(TakeBack, 人の手がなければ戻と同じ箱で断り二人の対局では一手だけ戻す) {
  form.GOTE_Click();
  ASSERT_EQ(form.局.手数, 1);
  忘れる();
  form.MATTA_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("できません", "戻る")});
  EXPECT_EQ(鳴った(禁止), 1);
  EXPECT_EQ(form.局.手数, 1);

  form.CANCEL_Click();
  form.START_Click();
  打つ(歩, 5, 5);
  打つ(歩, 5, 4);
  form.MATTA_Click();
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.局.手番, 手番_後手);
}

TEST_F(TakeBack, COMが考えている間の待ったは探索を止めて人の手だけを戻す) {
  platform.workMode = WorkMode::Held;
  form.強さ_Click(強さ_強い);
  form.SENTE_Click();
  打つ(歩, 5, 5);
  ASSERT_EQ(platform.held.size(), 1U);
  form.MATTA_Click();
  EXPECT_EQ(form.局.手数, 0);
  EXPECT_EQ(form.局.手番, 手番_先手);
  platform.finishHeld();
  EXPECT_EQ(form.局.手数, 0) << "the search's answer is dropped";
}

}  // namespace
}  // namespace brenvolt::testing
