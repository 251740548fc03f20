// Closing the window at awkward moments: while a message box is open, and while the winning
// line blinks. The sounds are freed once and the program is told to end once, and nothing is
// left half drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "tests/support/recording_sound.h"
#include "window/qt/main_window.h"

namespace brenvolt {
namespace {

using testing::RecordingSound;

class WindowClose : public ::testing::Test {
 protected:
  explicit WindowClose(BoxMode mode = BoxMode::Modal) : window(sound, {}, 1.0, mode) {
    window.platform().setQuitHandler([this] { ++quits; });
    window.form().Form_Load();
    // Handles for every sound, as if each file had loaded.
    window.form().音_その他 = 1, window.form().音_禁止 = 2, window.form().音_駒打 = 3;
    window.form().音_終局 = 4, window.form().音_BGM = 5;
    sound.calls.clear();
  }
  int calls(const std::string& name) const {
    return static_cast<int>(std::count_if(sound.calls.begin(), sound.calls.end(),
                                          [&](const auto& c) { return c.name == name; }));
  }
  // Presses the middle of square (x, y); the hand stands are columns -1 and 11.
  void 押す(int x, int y) {
    window.form().Form_MouseDown(左ボタン, 0, 盤左 + 桝幅 * x + 桝幅 / 2.0,
                                 盤上 + 桝高 * y + 桝高 / 2.0);
  }

  RecordingSound sound;
  MainWindow window;
  int quits = 0;
};

// Closes whatever modal box is open, once the event loop runs.
void closeTheBoxSoon() {
  QTimer::singleShot(0, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
}

TEST_F(WindowClose, WhileAMessageBoxIsOpenEndsTheProgramOnceWithTheSoundsFreedOnce) {
  window.show();
  bool boxWasOpen = false;
  QTimer::singleShot(0, [&] {
    boxWasOpen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
    window.close();
    closeTheBoxSoon();
  });
  window.form().VER_Click();
  EXPECT_TRUE(boxWasOpen);
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(calls("dsFree"), 5);
  EXPECT_EQ(calls("dsTerminate"), 1);
  // Anything the box's handler still does afterwards finds no sound to play or free twice.
  window.form().Form_Unload();
  EXPECT_EQ(calls("dsTerminate"), 1);
}

class WindowCloseWithoutBoxes : public WindowClose {
 protected:
  WindowCloseWithoutBoxes() : WindowClose(BoxMode::StandardError) {}
};

TEST_F(WindowCloseWithoutBoxes, DuringTheBlinkIsHandledAfterTheWinningLineIsShown) {
  Form1& form = window.form();
  form.START_Click();
  // 先手 drops 歩 歩 香 香 on row 5 while 後手 drops away from it; the fifth 先手 drop wins.
  const int 先手の行[] = {2, 2, 3, 3, 4};
  for (int i = 0; i < 5; ++i) {
    押す(先手持駒列, 先手の行[i]);
    if (i == 4) QCoreApplication::postEvent(&window, new QCloseEvent);
    押す(i + 1, 5);
    if (i < 4) {
      押す(後手持駒列, 8 - i / 2);
      押す(i + 1, 1);
    }
  }
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_EQ(quits, 0);
  // The blinked squares end showing their pieces, not the blink's empty squares.
  const QImage shown = window.surface().image();
  QCoreApplication::processEvents();
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(calls("dsFree"), 5);
  for (int x = 1; x <= 5; ++x)
    EXPECT_EQ(form.局.盤面[x][5], x < 3 ? 先手_歩 : x < 5 ? 先手_香 : 先手_桂);
  EXPECT_EQ(window.surface().image(), shown);
}

}  // namespace
}  // namespace brenvolt
