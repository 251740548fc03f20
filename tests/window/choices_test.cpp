// The player's choices a window keeps between runs: read back, set again as their menu items
// would, and each change the player makes told to the window.
#include "tests/window/form1_fixture.h"

namespace brenvolt::testing {
namespace {

class ChoicesTest : public Form1Test {
 protected:
  ChoicesTest() {
    form.Form_Load();
    form.選択変更時 = [this] { ++changes; };
  }
  int changes = 0;
};

TEST_F(ChoicesTest, 読み込んだ窓は標準_指導なし_BGMありで選択を適用すると項目どおりに変わる) {
  EXPECT_EQ(form.今の選択(), 選択{});
  const 選択 chosen{強さ_とても強い, true, false};
  form.選択を適用(chosen);
  EXPECT_EQ(form.今の選択(), chosen);
  EXPECT_TRUE(platform.menuChecked("TOTEMO"));
  EXPECT_FALSE(platform.menuChecked("HYOUJUN"));
  EXPECT_EQ(form.指導色, 色_白);
  EXPECT_EQ(sound.calls.back(), (SoundCall{"dsStop", form.音_BGM}));
  // The same choices again switch nothing.
  const auto soundCalls = sound.calls.size();
  form.選択を適用(chosen);
  EXPECT_EQ(sound.calls.size(), soundCalls);
  form.選択を適用({});
  EXPECT_EQ(form.今の選択(), 選択{});
  EXPECT_EQ(sound.calls.back(), (SoundCall{"dsPlayLooping", form.音_BGM}));
}

TEST_F(ChoicesTest, 項目とキーの選択は知らされ棋譜の持ち込む強さは知らされない) {
  form.強さ_Click(強さ_最強);
  form.SIDOU_Click();
  form.BGM_Click();
  form.Form_KeyDown(キー_F1);
  EXPECT_EQ(changes, 4);

  対局 game;
  game.対局モード = モード_COM;
  game.人間側 = 手番_先手;
  game.COM側 = 手番_後手;
  game.強さ = 1;
  form.対局を復元(game);
  EXPECT_EQ(form.思考.level(), 1);
  EXPECT_EQ(changes, 4);
}

}  // namespace
}  // namespace brenvolt::testing
