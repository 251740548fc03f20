// The How to play window: it opens from the menu, speaks the window's language, shows every
// picture its documents name, and its boards mark the squares the rules give.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <set>

#include "game/turn.h"
#include "tests/support/recording_sound.h"
#include "window/help_diagrams.h"
#include "window/qt/help_board_drawing.h"
#include "window/qt/how_to_play_window.h"
#include "window/qt/main_window.h"

namespace brenvolt {
namespace {

QStringList 見出し(const QTextDocument& document) {
  QStringList headings;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 2) headings.append(block.text());
  }
  return headings;
}

QString 文書(言語 language) {
  QFile file(遊び方の文書(language));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList 絵の名前(const QString& html) {
  QStringList names;
  static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
  for (const auto& match : image.globalMatch(html)) names.append(match.captured(1));
  return names;
}

class HowToPlay : public ::testing::Test {
 protected:
  HowToPlay() : window(sound, {}, 1.0, BoxMode::StandardError) {
    window.platform().setQuitHandler([] {});
    window.form().Form_Load();
  }
  HowToPlayWindow& open() {
    window.findChild<QAction*>("HOW_TO_PLAY")->trigger();
    EXPECT_NE(window.howToPlayWindow(), nullptr);
    return *window.howToPlayWindow();
  }
  testing::RecordingSound sound;
  MainWindow window;
};

TEST_F(HowToPlay, OpensFromTheMenuBesideTheGameAndFollowsTheLanguage) {
  EXPECT_EQ(window.howToPlayWindow(), nullptr);
  HowToPlayWindow& help = open();
  EXPECT_TRUE(help.isVisible());
  EXPECT_FALSE(help.isModal());
  const QStringList japanese = 見出し(*help.browser().document());
  EXPECT_EQ(japanese.size(), 8);
  EXPECT_TRUE(japanese.contains(QString::fromUtf8("三三と四四は指せない")));

  window.findChild<QAction*>("LANGUAGE")->trigger();
  EXPECT_EQ(help.windowTitle(), QString::fromUtf8("How to play — Brenvolt"));
  const QStringList english = 見出し(*help.browser().document());
  EXPECT_EQ(english.size(), japanese.size());
  EXPECT_TRUE(english.contains("No double three, no double four"));
  for (const QString& heading : english) {
    EXPECT_FALSE(heading.contains(QRegularExpression(QStringLiteral("[\\x{3000}-\\x{9fff}]"))))
        << heading.toStdString();
  }
  // Opening it again brings back the same window.
  EXPECT_EQ(&open(), &help);
}

TEST_F(HowToPlay, BothDocumentsShowEveryBoardAndEveryPictureTheyNameIsDrawn) {
  HowToPlayWindow& help = open();
  std::set<QString> boards;
  for (const 説明図& 図 : 説明図の一覧()) boards.insert("board:" + QString::fromStdString(図.名前));
  for (const 言語 language : {言語::日本語, 言語::英語}) {
    const QStringList names = 絵の名前(文書(language));
    std::set<QString> shown;
    for (const QString& name : names) {
      if (name.startsWith("board:")) shown.insert(name);
      const QVariant picture = help.browser().loadResource(QTextDocument::ImageResource, name);
      EXPECT_FALSE(picture.value<QPixmap>().isNull()) << name.toStdString();
    }
    EXPECT_EQ(shown, boards);
  }
}

// The pixel just inside the left edge of a square, where its outline lies.
QColor 枠の色(const QImage& image, const 説明図& 図, int x, int y) {
  const QPoint centre = 説明図の桝の中心(図, x, y);
  const int left = centre.x() - 桝の絵サイズ.width() / 2 + 2;
  const qreal ratio = image.devicePixelRatio();
  return image.pixelColor(QPoint(left, centre.y()) * ratio);
}

TEST(HowToPlayBoards, AMovingPieceOutlinesExactlyTheSquaresTheTurnAcceptsAtEveryPixelRatio) {
  const 説明図& 図 = *説明図を引く("gin");
  for (const qreal ratio : {1.0, 2.0}) {
    PictureStore pictures(ratio);
    const QImage image = 説明図を描く(図, pictures);
    EXPECT_EQ(image.devicePixelRatio(), ratio);
    EXPECT_EQ(image.width(), qRound((5 * 桝の絵サイズ.width() + 1) * ratio));
    int outlined = 0;
    for (int x = 図.範囲.左; x <= 図.範囲.右; ++x) {
      for (int y = 図.範囲.上; y <= 図.範囲.下; ++y) {
        対局状態 局 = 図.局;
        const bool accepted =
            着手判定(局, 5, 5, x, y, 局.盤面[5][5], 成り方::成れれば成る).結果 == 判定::可;
        const bool white = 枠の色(image, 図, x, y) == 印の色(図の印::行ける);
        EXPECT_EQ(white, accepted) << x << "," << y << " at " << ratio;
        outlined += white;
      }
    }
    EXPECT_EQ(outlined, 5);
    EXPECT_EQ(枠の色(image, 図, 5, 5), 印の色(図の印::選んだ駒));
  }
}

TEST(HowToPlayBoards, TheForbiddenPointIsCrossedAndTheRulesRefuseADropThere) {
  const 説明図& 図 = *説明図を引く("sansan");
  PictureStore pictures(1.0);
  const QImage image = 説明図を描く(図, pictures);
  対局状態 局 = 図.局;
  // 4e: the crossing of the row and the column of two.
  EXPECT_EQ(着手判定(局, 先手持駒列, 持駒の段(手番_先手, 5), 6, 5, 先手_金, 成り方::成らない).結果,
            判定::三三);
  const QPoint centre = 説明図の桝の中心(図, 6, 5);
  EXPECT_EQ(image.pixelColor(centre), 印の色(図の印::禁手));
  EXPECT_NE(image.pixelColor(説明図の桝の中心(図, 7, 5)), 印の色(図の印::禁手));
}

}  // namespace
}  // namespace brenvolt
