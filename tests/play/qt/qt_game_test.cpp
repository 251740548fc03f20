// A short two-person game played on the real main window, offscreen: menu actions triggered,
// mouse presses sent to the client area, every message box read and closed as it opens.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/recording_sound.h"
#include "window/qt/main_window.h"

namespace brenvolt {
namespace {

using Box = std::pair<QString, QString>;  // title, text

class QtGame : public ::testing::Test {
 protected:
  QtGame() : window(sound, {}, 1.0, BoxMode::Modal) {
    window.platform().setQuitHandler([this] { ++quits; });
    window.form().Form_Load();
    window.show();
    // A box runs its own event loop, in which this timer reads it and presses OK.
    QObject::connect(&closer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      boxes.emplace_back(box->windowTitle(), box->text());
      box->accept();
    });
    closer.start(5);
  }

  void trigger(const char* name) {
    QAction* action = window.findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }
  // A left press in the middle of square (x, y) of the board or a hand stand.
  void press(int x, int y) {
    const QPoint at((盤左 + 桝幅 * x + 桝幅 / 2) / 15, (盤上 + 桝高 * y + 桝高 / 2) / 15);
    QTest::mousePress(&window.view(), Qt::LeftButton, Qt::NoModifier, at);
  }
  // 先手 drops 歩 歩 金 角 飛 on row 5 from the left, making five with the ninth move;
  // 後手 drops 王 飛 角 金 apart.
  void 先手が五段目に並べる() {
    const int 先手の行[] = {2, 2, 6, 7, 8};
    const int 後手の行[] = {1, 2, 3, 4};
    const std::pair<int, int> 後手の桝[] = {{9, 1}, {7, 1}, {9, 4}, {7, 4}};
    for (int i = 0; i < 5; ++i) {
      press(先手持駒列, 先手の行[i]);
      press(i + 1, 5);
      if (i == 4) break;
      press(後手持駒列, 後手の行[i]);
      press(後手の桝[i].first, 後手の桝[i].second);
    }
  }

  testing::RecordingSound sound;
  MainWindow window;
  QTimer closer;
  std::vector<Box> boxes;
  int quits = 0;
};

TEST_F(QtGame, 先手が五つ並べて勝つまでメニューとマウスで指す) {
  trigger("START");
  ASSERT_EQ(boxes, (std::vector<Box>{{" ", "先手の番です"}}));
  先手が五段目に並べる();
  const Form1& form = window.form();
  EXPECT_EQ(form.局.手数, 9);
  for (int x = 1; x <= 5; ++x) EXPECT_LT(form.局.盤面[x][5], 0) << x;
  EXPECT_EQ(boxes.back(), (Box{"終了", "先手の勝ちです"}));
  EXPECT_EQ(form.局.対局中, 無);

  press(6, 6);
  EXPECT_EQ(boxes.back(), (Box{"開始", "「対局」で始めて下さい"}));
}

TEST_F(QtGame, 英語の対局は英語の箱を出す) {
  ASSERT_TRUE(window.setLanguage(言語::英語));
  press(6, 6);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], (Box{"Start", "Start a game from the “Game” menu"}));
  trigger("START");
  EXPECT_EQ(boxes.back(), (Box{" ", "Black to move"}));
  先手が五段目に並べる();
  EXPECT_EQ(boxes.back(), (Box{"Game over", "Black wins"}));
  trigger("GOTE");  // against the computer, which opens
  trigger("START");
  EXPECT_EQ(boxes.back(), (Box{"The opponent cannot be changed during a game",
                               "  Choose Position → Back to the start first"}));
}

TEST_F(QtGame, 英語では棋譜を断る理由と確かめる箱も英語で出る) {
  ASSERT_TRUE(window.setLanguage(言語::英語));
  QGuiApplication::clipboard()->setText("position startpos moves P*5e P*5e");
  trigger("PASTE");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], (Box{"Paste", "line 1, move 2 P*5e: the square is taken"}));
  EXPECT_EQ(window.form().局.手数, 0);
  trigger("START");
  QGuiApplication::clipboard()->setText("position startpos moves P*5e");
  trigger("PASTE");
  // Answered with Cancel: the game in progress stays.
  EXPECT_EQ(boxes.back(), (Box{"Paste", "A game is in progress. Give it up and open this one?"}));
  EXPECT_EQ(window.form().局.手数, 0);
}

// The undo and redo keys of the platform, sent to the window as a player types them.
TEST_F(QtGame, 元に戻すとやり直しのキーは戻と進と同じに働く) {
  // Keys reach the menu's shortcuts in the active window; a closed box leaves none active.
  const auto key = [this](QKeyCombination combination) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window.view(), combination.key(), combination.keyboardModifiers());
  };
  trigger("START");
  press(先手持駒列, 2);
  press(5, 5);
  press(後手持駒列, 8);
  press(5, 4);
  Form1& form = window.form();
  ASSERT_EQ(form.局.手数, 2);
  key(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.局.盤面[5][4], 空);
  key(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(form.局.手数, 0);
  key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
  EXPECT_EQ(form.局.手数, 1);
  key(Qt::CTRL | Qt::Key_Y);
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_GT(form.局.盤面[5][4], 0);
  // Past the end of the record the key refuses as the item does.
  const std::size_t before = boxes.size();
  key(Qt::CTRL | Qt::Key_Y);
  ASSERT_EQ(boxes.size(), before + 1);
  EXPECT_EQ(boxes.back(), (Box{QString::fromUtf8("進む"), QString::fromUtf8("できません")}));
  // The menu shows the keys beside the items.
  EXPECT_EQ(window.findChild<QAction*>("REPLAY")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(window.findChild<QAction*>("AFTER")->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                 QKeySequence(Qt::CTRL | Qt::Key_Y)}));
}

TEST_F(QtGame, 拡大と縮小のキーは窓を段ごとに大きくし元に戻す) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QSize classic = window.view().size();
  QTest::keyClick(&window.view(), Qt::Key_Plus, Qt::ControlModifier);
  QApplication::processEvents();
  const double zoomed = window.surface().scale();
  EXPECT_GT(zoomed, 1.0);
  EXPECT_GT(window.view().width(), classic.width());
  QTest::keyClick(&window.view(), Qt::Key_Minus, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_LT(window.surface().scale(), zoomed);
  QTest::keyClick(&window.view(), Qt::Key_0, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(window.surface().scale(), 1.0);
  EXPECT_EQ(window.view().size(), classic);
}

TEST_F(QtGame, 版の箱は二つの改行で二行に分ける) {
  trigger("VER");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, "Brenvolt");
  EXPECT_EQ(boxes[0].second, "  Version 0.93\n\nHarrowick 1999.01");
}

// Runs the event loop until the computer has stopped thinking, for at most a generous while.
void untilAnswered(const Form1& form) {
  QElapsedTimer waited;
  waited.start();
  while (form.思考.thinking() && waited.elapsed() < 30000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

TEST_F(QtGame, 強いCOMは別のスレッドで考え答えが戻ってから指す) {
  window.form().思考.set_caps({0, 3000, 0});
  trigger("TSUYOI");
  trigger("SENTE");
  press(先手持駒列, 2);
  press(5, 5);
  const Form1& form = window.form();
  EXPECT_EQ(form.局.手数, 1) << "the press returned before the computer moved";
  EXPECT_TRUE(form.思考.thinking());
  untilAnswered(form);
  EXPECT_FALSE(form.思考.thinking());
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_GT(form.記録.記録_元駒[2], 0) << "後手's move";
}

TEST_F(QtGame, 考えている間に窓を閉じるとCOMは指さず終わる) {
  trigger("SAIKYOU");
  trigger("SENTE");
  press(先手持駒列, 2);
  press(5, 5);
  ASSERT_TRUE(window.form().思考.thinking());
  window.close();
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(window.form().思考.thinking());
  // The search notices the stop and ends; its answer, delivered or not, plays nothing.
  QElapsedTimer waited;
  waited.start();
  while (window.platform().background().pending() > 0 && waited.elapsed() < 30000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  EXPECT_EQ(window.platform().background().pending(), 0u);
  EXPECT_EQ(window.form().局.手数, 1);
}

}  // namespace
}  // namespace brenvolt

int main(int argc, char** argv) {
  // Headless by default: the offscreen platform and a private runtime folder.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    const auto folder = std::filesystem::temp_directory_path() / "brenvolt-play-qt-runtime";
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
