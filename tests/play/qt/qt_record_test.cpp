// An opened record on the real main window, offscreen: its picture is the picture of the same
// game played straight to the record's cursor, pixel for pixel; and the menu's copy and paste
// go through the system clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <memory>
#include <vector>

#include "notation/record_file.h"
#include "tests/support/game_difference.h"
#include "tests/support/recording_sound.h"
#include "window/qt/main_window.h"

namespace brenvolt {
namespace {

struct Drop {
  int 種類, x, y;
};

class QtRecord : public ::testing::Test {
 protected:
  // A loaded window whose boxes go to standard error, so nothing waits for a click.
  std::unique_ptr<MainWindow> 窓() {
    auto window = std::make_unique<MainWindow>(sound, std::vector<std::filesystem::path>{}, 1.0,
                                               BoxMode::StandardError);
    window->form().Form_Load();
    return window;
  }
  static void 押す(Form1& form, int x, int y) {
    form.Form_MouseDown(左ボタン, 0, 盤左 + 桝幅 * x + 桝幅 / 2.0, 盤上 + 桝高 * y + 桝高 / 2.0);
  }
  static void 打つ(Form1& form, const Drop& drop) {
    if (form.局.手番 == 手番_先手)
      押す(form, 先手持駒列, drop.種類 + 1);
    else
      押す(form, 後手持駒列, 9 - drop.種類);
    押す(form, drop.x, drop.y);
  }
  // A second window with the record of `played` opened in it.
  std::unique_ptr<MainWindow> 開いた窓(MainWindow& played) {
    const std::string text = notation::write_record(played.form().対局の写し(), "");
    対局 game;
    notation::RecordError error;
    EXPECT_TRUE(notation::read_record(text, game, error)) << notation::describe(error);
    auto opened = 窓();
    opened->form().対局を復元(game);
    return opened;
  }

  testing::RecordingSound sound;
};

// 先手 drops 歩 歩 金 角 飛 on row 5 from the left, 後手 drops 王 飛 角 金 apart.
const std::vector<Drop> 先手の五 = {{1, 1, 5}, {8, 9, 1}, {1, 2, 5}, {7, 7, 1}, {5, 3, 5},
                                    {6, 9, 4}, {6, 4, 5}, {5, 7, 4}, {7, 5, 5}};

TEST_F(QtRecord, 二人の対局も終わった対局も開くと指した時と同じ絵になる) {
  for (const std::size_t moves : {std::size_t{3}, std::size_t{6}, 先手の五.size()}) {
    auto played = 窓();
    played->form().START_Click();
    for (std::size_t i = 0; i < moves; ++i) 打つ(played->form(), 先手の五[i]);
    auto opened = 開いた窓(*played);
    EXPECT_EQ(opened->clientImage(), played->clientImage()) << moves << " moves";
    EXPECT_EQ(opened->form().局.対局中, moves == 先手の五.size() ? 無 : 有);
  }
}

TEST_F(QtRecord, 計算機との対局も開くと指した時と同じ絵になる) {
  auto played = 窓();
  played->form().GOTE_Click();
  打つ(played->form(), {5, 1, 1});
  打つ(played->form(), {6, 9, 9});
  ASSERT_EQ(played->form().局.手数, 5);
  auto opened = 開いた窓(*played);
  EXPECT_EQ(opened->clientImage(), played->clientImage());
}

TEST_F(QtRecord, 戻した手のある棋譜はそこまで指した時と同じ絵になる) {
  auto played = 窓();
  played->form().START_Click();
  for (std::size_t i = 0; i < 6; ++i) 打つ(played->form(), 先手の五[i]);
  played->form().REPLAY_Click();
  played->form().REPLAY_Click();
  auto straight = 窓();
  straight->form().START_Click();
  for (std::size_t i = 0; i < 4; ++i) 打つ(straight->form(), 先手の五[i]);
  auto opened = 開いた窓(*played);
  EXPECT_EQ(opened->form().記録.記録終端, 6);
  EXPECT_EQ(opened->clientImage(), straight->clientImage());
}

TEST_F(QtRecord, 棋譜のコピーと貼り付けはクリップボードを通る) {
  auto played = 窓();
  played->form().START_Click();
  for (std::size_t i = 0; i < 4; ++i) 打つ(played->form(), 先手の五[i]);
  played->findChild<QAction*>("COPY_RECORD")->trigger();
  auto pasted = 窓();
  pasted->findChild<QAction*>("PASTE")->trigger();
  EXPECT_EQ(testing::対局の違い(pasted->form().対局の写し(), played->form().対局の写し()), "");
  played->findChild<QAction*>("COPY_POSITION")->trigger();
  // A window without a box to click answers Cancel: the game runs on.
  pasted->findChild<QAction*>("PASTE")->trigger();
  EXPECT_EQ(pasted->form().記録.記録終端, 4);
  auto fresh = 窓();
  fresh->findChild<QAction*>("PASTE")->trigger();
  EXPECT_EQ(fresh->form().記録.記録終端, 0) << "a pasted position has no moves";
  EXPECT_EQ(fresh->form().局.盤面, played->form().局.盤面);
  EXPECT_EQ(fresh->form().局.手数, 4);
}

}  // namespace
}  // namespace brenvolt
