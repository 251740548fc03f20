// The window at other sizes than the classic one: the drawing scaled with it, crisp, drawn
// afresh from the kept calls, and presses found on the square under the pointer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <cmath>

#include "tests/support/recording_sound.h"
#include "window/qt/main_window.h"
#include "window/qt/palette.h"

namespace brenvolt {
namespace {

using testing::RecordingSound;

const QColor 緑 = *パレット色(2);

bool 木の色(QColor c) {
  return c.red() > 200 && c.green() > 150 && c.blue() > 80 && c.blue() < 190;
}

class ScaledWindow : public ::testing::TestWithParam<double> {
 protected:
  ScaledWindow() : window(sound, {}, 1.0, BoxMode::StandardError) {
    window.platform().setQuitHandler([] {});
    window.form().Form_Load();
    window.setClientScale(scale());
  }
  double scale() const { return GetParam(); }
  // The pixel of the surface image at square-unit position (x, y), plus `dx`, `dy` pixels of
  // the classic size scaled.
  QPoint 点(double x, double y, double dx = 0, double dy = 0) const {
    return {twipToPixel(1100 + 495 * x + dx * 15, scale()),
            twipToPixel(100 + 615 * y + dy * 15, scale())};
  }
  QColor at(QPoint p) { return window.surface().pixel(p); }
  int 色の数(QRect area, bool (*test)(QColor)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += test(at(QPoint(x, y)));
    return n;
  }
  // A left press on the view at the scaled middle of square (x, y).
  void press(int x, int y) {
    const QRect shown = window.view().shownArea();
    const QPointF at = QPointF(shown.topLeft()) + QPointF((1100 + 495 * (x + 0.5)) / 15.0 * scale(),
                                                          (100 + 615 * (y + 0.5)) / 15.0 * scale());
    QMouseEvent event(QEvent::MouseButtonPress, at, window.view().mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window.view(), &event);
  }

  RecordingSound sound;
  MainWindow window;
};

TEST_P(ScaledWindow, ClientAreaAndSurfaceAreTheClassicOnesTimesTheScale) {
  const QSize reference = window.view().referenceSize();
  EXPECT_EQ(window.clientSize(), QSize(std::lround(reference.width() * scale()),
                                       std::lround(reference.height() * scale())));
  EXPECT_DOUBLE_EQ(window.surface().scale(), scale());
  EXPECT_EQ(window.view().shownArea(), QRect(QPoint(0, 0), window.clientSize()));
  EXPECT_EQ(window.clientImage().size(), window.clientSize());
}

TEST_P(ScaledWindow, BoardCornersSitWhereTheScalePutsThem) {
  // Square (1, 1) and (9, 9): green outline on their edges, wood just inside.
  for (const auto& [x, y] : {std::pair{1, 1}, std::pair{9, 9}, std::pair{1, 9}, std::pair{9, 1}}) {
    const QPoint corner = 点(x, y);
    EXPECT_EQ(at(corner), 緑) << x << "," << y;
    EXPECT_TRUE(木の色(at(corner + QPoint(std::lround(2 * scale()), std::lround(2 * scale())))))
        << x << "," << y;
    const QPoint far = 点(x + 1, y + 1);
    EXPECT_EQ(at(far), 緑) << x << "," << y;
    EXPECT_TRUE(木の色(at(far - QPoint(std::lround(2 * scale()), std::lround(2 * scale())))))
        << x << "," << y;
  }
  // The background beside the board, left of column 1 and above the labels.
  EXPECT_EQ(at(点(0.5, 5)), 緑);
  EXPECT_EQ(at(QPoint(2, 2)), 緑);
}

TEST_P(ScaledWindow, OutlinesAreAsThickAsTheScaleRounds) {
  const int line = std::max(1, static_cast<int>(std::lround(scale())));
  const QPoint edge = 点(5, 5, 0, 20);  // the left edge of square (5, 5), half way down
  for (int i = 0; i < line; ++i) EXPECT_EQ(at(edge + QPoint(i, 0)), 緑) << i;
  EXPECT_TRUE(木の色(at(edge + QPoint(line, 0))));
}

TEST_P(ScaledWindow, HandPiecesAreThePicturesDrawnAtTheScale) {
  const QImage& king = window.pictures().picture(PictureId::SITA_OU, scale());
  EXPECT_EQ(king.size(), QSize(std::ceil(33 * scale()), std::ceil(41 * scale())));
  // 先手's king is on row 9 of its stand, drawn at the square's scaled corner.
  const QPoint corner = 点(11, 9);
  for (const QPoint p : {QPoint(16, 20), QPoint(8, 30), QPoint(25, 12)}) {
    const QPoint inPicture(std::lround(p.x() * scale()), std::lround(p.y() * scale()));
    EXPECT_EQ(at(corner + inPicture), king.pixelColor(inPicture)) << p.x() << "," << p.y();
  }
}

TEST_P(ScaledWindow, CountsAndStatusTextsStandWhereTheScalePutsThem) {
  const auto lightRed = [](QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; };
  const auto whitish = [](QColor c) { return c.lightness() > 150 && c.red() - c.green() < 40; };
  // The count " 2 " of 先手's pawns beside row 2 of its stand, scaled.
  const QRect count(点(12, 2.2), 点(12, 2.2, 26, 22));
  EXPECT_GT(色の数(count, lightRed), 5 * scale() * scale());
  // The same box one row lower is below the 香 count's ink only when scaled rightly.
  EXPECT_EQ(色の数(QRect(点(12, 1.4), 点(12, 1.4, 26, 10)), lightRed), 0);

  // A two-person game: 先手 drops a pawn; the move count and the notation appear.
  window.form().START_Click();
  press(11, 2);
  press(5, 5);
  ASSERT_EQ(window.form().局.手数, 1);
  EXPECT_GT(色の数(QRect(点(13.1, 2.3), 点(13.1, 2.3, 24, 18)), whitish), 5 * scale());
  EXPECT_GT(色の数(QRect(点(13.3, 3), 点(13.3, 3, 60, 18)), whitish), 20 * scale());
  // Nothing white in the same places on the other side of the window.
  EXPECT_EQ(色の数(QRect(点(-1.75, 9.5), 点(-1.75, 9.5, 60, 18)), whitish), 0);
}

TEST_P(ScaledWindow, APressAtTheScaledMiddleOfASquareChoosesThatSquare) {
  window.form().START_Click();
  press(11, 3);  // 先手's 香 on its stand
  EXPECT_EQ(window.form().入力段階, 1);
  EXPECT_EQ(window.form().指手[1], 11);
  EXPECT_EQ(window.form().指手[2], 3);
  press(2, 8);
  EXPECT_EQ(window.form().局.手数, 1);
  EXPECT_LT(window.form().局.盤面[2][8], 0);
  // 後手 chooses its 歩, outlined in light red where the scale puts it.
  press(-1, 8);
  EXPECT_EQ(window.form().指手[1], -1);
  EXPECT_EQ(window.form().指手[2], 8);
  EXPECT_EQ(at(点(-1, 8, 16, 0)), *パレット色(12));
  press(3, 2);
  EXPECT_EQ(window.form().局.手数, 2);
  EXPECT_GT(window.form().局.盤面[3][2], 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledWindow, ::testing::Values(1.0, 1.5, 2.0));

// A short two-person game with guidance shown, a take-back and a replay, ending with a piece
// chosen and left outlined.
void 対局する(Form1& form) {
  form.START_Click();
  form.SIDOU_Click();
  const auto 押す = [&form](int x, int y) {
    form.Form_MouseDown(左ボタン, 0, 1100 + 495 * (x + 0.5), 100 + 615 * (y + 0.5));
  };
  for (const auto& [hand, x, y] :
       {std::tuple{2, 5, 5}, {3, 4, 4}, {4, 6, 5}, {5, 6, 4}, {2, 3, 6}, {8, 2, 2}}) {
    押す(form.局.手番 == 手番_先手 ? 先手持駒列 : 後手持駒列, hand);
    押す(x, y);
  }
  form.REPLAY_Click();
  form.REPLAY_Click();
  form.AFTER_Click();
  押す(6, 5);
}

// Pixels in which two images of one size differ; every pixel for images of different sizes.
int 違う画素の数(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

// A text erased by a box that starts at the text's own top may leave the faint edge of a glyph
// on the row above it; a redraw leaves the erased text out, and with it that edge. Nothing
// else may differ.
constexpr int 取り残しの許し = 6;

// Drawing afresh from the kept calls gives what drawing directly gives.
class Redrawing : public ::testing::Test {
 protected:
  Redrawing() : window(sound, {}, 1.0, BoxMode::StandardError) {
    window.platform().setQuitHandler([] {});
    window.form().Form_Load();
  }
  RecordingSound sound;
  MainWindow window;
};

TEST_F(Redrawing, BackToTheClassicScaleTheWindowIsPixelForPixelAsDrawnDirectly) {
  対局する(window.form());
  ASSERT_GT(window.form().局.手数, 3);
  const QImage drawn = window.surface().image();
  window.setClientScale(2.0);
  window.setClientScale(1.5);
  window.setClientScale(1.0);
  EXPECT_LE(違う画素の数(window.surface().image(), drawn), 取り残しの許し);
}

TEST_F(Redrawing, ADrawingRedoneAtTwiceTheSizeIsTheDrawingMadeAtThatSize) {
  RecordingSound otherSound;
  MainWindow direct(otherSound, {}, 1.0, BoxMode::StandardError);
  direct.platform().setQuitHandler([] {});
  direct.surface().setScale(2.0);  // every call is drawn straight at twice the size
  direct.form().Form_Load();
  対局する(direct.form());
  対局する(window.form());
  window.surface().setScale(2.0);
  EXPECT_LE(違う画素の数(window.surface().image(), direct.surface().image()), 取り残しの許し * 4);
}

TEST_F(Redrawing, TheKeptCallsStayFewThroughALongGame) {
  Form1& form = window.form();
  対局する(form);
  const std::size_t afterAGame = window.surface().calls().size();
  // Many more steps back and forth, guidance switched on and off, a new game.
  for (int i = 0; i < 40; ++i) {
    form.REPLAY_Click();
    form.SIDOU_Click();
    form.AFTER_Click();
  }
  form.CANCEL_Click();
  対局する(form);
  EXPECT_LE(window.surface().calls().size(), afterAGame + 10);
  // Board, stands, labels and texts: a few hundred calls at most.
  EXPECT_LT(window.surface().calls().size(), 400u);
}

}  // namespace
}  // namespace brenvolt
