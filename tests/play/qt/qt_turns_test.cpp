// The turn's aids on the real main window, offscreen: the game kept when the window is closed,
// a refused double three's lines on the picture, and the promotion question's two buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "notation/record_file.h"
#include "tests/support/game_difference.h"
#include "tests/support/recording_sound.h"
#include "tests/support/scratch_folder.h"
#include "window/last_game_file.h"
#include "window/qt/main_window.h"
#include "window/qt/palette.h"

namespace brenvolt {
namespace {

class QtTurns : public ::testing::Test {
 protected:
  QtTurns() : window(sound, {}, 1.0, BoxMode::StandardError) {
    window.platform().setQuitHandler([this] { ++quits; });
    window.form().Form_Load();
  }
  void 押す(int x, int y) {
    window.form().Form_MouseDown(左ボタン, 0, 盤左 + 桝幅 * x + 桝幅 / 2.0,
                                 盤上 + 桝高 * y + 桝高 / 2.0);
  }
  // Drops the hand piece of kind 1..8 of the side to move.
  void 打つ(int 種類, int x, int y) {
    if (window.form().局.手番 == 手番_先手)
      押す(先手持駒列, 種類 + 1);
    else
      押す(後手持駒列, 9 - 種類);
    押す(x, y);
  }
  int 色の画素(const QColor& colour) const {
    const QImage image = window.clientImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
  }

  testing::RecordingSound sound;
  MainWindow window;
  int quits = 0;
};

TEST_F(QtTurns, 対局中に窓を閉じると状態の置場に同じ局面の棋譜が残る) {
  testing::ScratchFolder scratch;
  setenv("XDG_STATE_HOME", scratch.path().c_str(), 1);
  window.form().前回の対局を置く(前回の対局ファイル());
  unsetenv("XDG_STATE_HOME");
  window.form().GOTE_Click();
  打つ(5, 9, 1);
  打つ(6, 1, 1);
  ASSERT_EQ(window.form().局.手数, 5);
  QCloseEvent close;
  QCoreApplication::sendEvent(&window, &close);
  EXPECT_EQ(quits, 1);

  std::ifstream in(scratch.path() / "brenvolt" / "last.brenvolt");
  std::stringstream text;
  text << in.rdbuf();
  対局 kept;
  notation::RecordError error;
  ASSERT_TRUE(notation::read_record(text.str(), kept, error)) << notation::describe(error);
  EXPECT_EQ(testing::対局の違い(kept, window.form().対局の写し()), "");
}

// The outline is drawn on the picture while the box is up and is gone after the next press.
TEST_F(QtTurns, 三三の線は絵に描かれ次の押下で消える) {
  const QColor 紫 = *パレット色(禁手色);
  window.form().START_Click();
  const int 先手の駒[] = {1, 1, 5, 4};
  const int 先手X[] = {3, 4, 5, 5};
  const int 先手Y[] = {5, 5, 3, 4};
  const int 後手の駒[] = {8, 7, 6, 5};
  const int 後手X[] = {9, 9, 1, 1};
  const int 後手Y[] = {1, 9, 1, 9};
  for (int i = 0; i < 4; ++i) {
    打つ(先手の駒[i], 先手X[i], 先手Y[i]);
    打つ(後手の駒[i], 後手X[i], 後手Y[i]);
  }
  // The pictures may hold a few pixels of the colour; the outlines add many.
  const int 前 = 色の画素(紫);
  打つ(7, 5, 5);
  EXPECT_GT(色の画素(紫), 前 + 5 * 4 * 20) << "five squares outlined";
  if (const char* folder = std::getenv("BRENVOLT_TEST_PICTURES")) {
    window.clientImage().save(QString::fromUtf8(folder) + QStringLiteral("/refused-three.png"));
  }
  押す(6, 6);
  EXPECT_EQ(色の画素(紫), 前);
  EXPECT_EQ(window.form().局.盤面[6][6], 先手_飛);
}

TEST_F(QtTurns, 成るか尋ねる箱は二つの釦で答えEscは成らない) {
  MainWindow shown(sound, {}, 1.0, BoxMode::Modal);
  QStringList captions;
  bool press_first = true;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    captions.clear();
    for (QAbstractButton* button : box->buttons()) captions << button->text();
    if (press_first)
      box->buttons().at(0)->click();
    else
      box->reject();
  });
  answer.start(5);
  const auto ask = [&] {
    return shown.platform().twoChoiceBox(箱の文("成りますか？"), 箱の文("成り"), 箱の文("成る"),
                                         箱の文("成らない"));
  };
  EXPECT_TRUE(ask());
  EXPECT_EQ(captions, (QStringList{QStringLiteral("成る"), QStringLiteral("成らない")}));
  press_first = false;
  EXPECT_FALSE(ask());
  shown.setLanguage(言語::英語);
  press_first = true;
  EXPECT_TRUE(ask());
  EXPECT_EQ(captions, (QStringList{QStringLiteral("Promote"), QStringLiteral("Do not promote")}));
}

}  // namespace
}  // namespace brenvolt
