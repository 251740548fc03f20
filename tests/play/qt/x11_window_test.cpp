// The real window on an X server (Xvfb): resized through the window system's own calls, as a
// window manager or a player's drag resizes it, it draws the game at the new size, and a move
// made with real mouse clicks at that size plays.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/recording_sound.h"
#include "window/qt/main_window.h"
#include "window/qt/palette.h"

namespace brenvolt {
namespace {

// Runs a command of xdotool; false when it fails.
bool xdotool(const std::string& arguments) {
  return std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

// Handles events until `done` holds or five seconds have passed.
template <typename Condition>
bool 待つ(Condition done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(10);
  }
  return done();
}

class X11Window : public ::testing::Test {
 protected:
  X11Window() : window(sound, {}, 1.0, BoxMode::StandardError) {
    window.platform().setQuitHandler([] {});
    window.form().Form_Load();
    window.show();
  }
  std::string id() const { return std::to_string(window.winId()); }
  // A real left click at the middle of square (x, y) of the board or a stand, as drawn now.
  bool click(int x, int y) {
    const double scale = window.surface().scale();
    const QPoint inView =
        window.view().shownArea().topLeft() +
        QPointF((1100 + 495 * (x + 0.5)) / 15.0 * scale, (100 + 615 * (y + 0.5)) / 15.0 * scale)
            .toPoint();
    const QPoint inWindow = window.view().mapTo(&window, inView);
    const int moves = window.form().局.手数;
    const int stage = window.form().入力段階;
    if (!xdotool("mousemove --window " + id() + " " + std::to_string(inWindow.x()) + " " +
                 std::to_string(inWindow.y()) + " click 1"))
      return false;
    return 待つ([&] { return window.form().局.手数 != moves || window.form().入力段階 != stage; });
  }

  testing::RecordingSound sound;
  MainWindow window;
};

TEST_F(X11Window, ResizedByTheWindowSystemItDrawsAtTheNewSizeAndAMovePlays) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QSize classic = window.view().size();
  ASSERT_EQ(window.surface().scale(), 1.0);

  // Twice the classic client area, plus the menu bar, which keeps its height.
  const QSize wanted(classic.width() * 2, classic.height() * 2 + window.menuBar()->height());
  ASSERT_TRUE(xdotool("windowsize " + id() + " " + std::to_string(wanted.width()) + " " +
                      std::to_string(wanted.height())));
  ASSERT_TRUE(待つ([&] { return window.surface().scale() > 1.9; }))
      << window.view().width() << "x" << window.view().height();
  EXPECT_NEAR(window.surface().scale(), 2.0, 0.02);

  // The drawing fills the client area: what is shown is the surface drawn at twice the size,
  // the board's far corner lying where twice the scale puts it.
  const QImage shown = window.view().grab().toImage();
  EXPECT_EQ(shown.size(), window.view().size());
  const QRect area = window.view().shownArea();
  EXPECT_GE(area.width(), window.view().width() - 2);
  EXPECT_GE(area.height(), window.view().height() - 2);
  const QPoint farCorner =
      area.topLeft() + QPoint(twipToPixel(1100 + 495 * 10, 2.0), twipToPixel(100 + 615 * 10, 2.0));
  EXPECT_EQ(shown.pixelColor(farCorner), *パレット色(2));
  const QColor wood = shown.pixelColor(farCorner - QPoint(10, 10));
  EXPECT_GT(wood.red(), 200);
  EXPECT_GT(wood.green(), 150);

  // A two-person game: 先手 drops its 金 by two real clicks at the new size.
  window.findChild<QAction*>("START")->trigger();
  ASSERT_TRUE(click(先手持駒列, 6));
  EXPECT_EQ(window.form().入力段階, 1);
  ASSERT_TRUE(click(7, 3));
  EXPECT_EQ(window.form().局.手数, 1);
  EXPECT_EQ(window.form().局.盤面[7][3], 先手_金);
  EXPECT_EQ(window.form().局.手番, 手番_後手);
}

}  // namespace
}  // namespace brenvolt

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "no X display: run under xvfb-run\n");
    return 1;
  }
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    const auto folder = std::filesystem::temp_directory_path() / "brenvolt-x11-test-runtime";
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  }
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
