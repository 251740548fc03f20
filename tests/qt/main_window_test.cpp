#include "window/qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <cmath>
#include <vector>

#include "game/turn.h"
#include "tests/support/recording_sound.h"
#include "window/qt/evaluation_graph.h"
#include "window/qt/palette.h"

namespace brenvolt {
namespace {

using testing::RecordingSound;

// A loaded window as the player first sees it, on the offscreen platform.
class LoadedWindow : public ::testing::Test {
 protected:
  LoadedWindow() : window(sound, {}, 1.0, BoxMode::StandardError) {
    window.platform().setQuitHandler([this] {
      ++quits;
      freedBeforeQuit = 0;
      for (const auto& call : sound.calls) freedBeforeQuit += call.name == "dsFree";
    });
    window.form().Form_Load();
  }
  QColor at(int x, int y) { return window.surface().pixel(QPoint(x, y)); }
  // The pixel of square-unit position (x, y).
  static QPoint 点(double x, double y) {
    return {twipToPixel(1100 + 495 * x), twipToPixel(100 + 615 * y)};
  }
  bool 同じ絵(PictureId id, QPoint topLeft) {
    const QImage& picture = window.pictures().picture(id);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (window.surface().pixel(topLeft + QPoint(x, y)) != picture.pixelColor(x, y))
          return false;
    return true;
  }
  int 色の数(QRect area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += at(x, y) == colour;
    return n;
  }
  QAction* action(const char* name) { return window.findChild<QAction*>(name); }

  RecordingSound sound;
  MainWindow window;
  int quits = 0;
  int freedBeforeQuit = 0;
};

TEST_F(LoadedWindow, CaptionAndIcon) {
  EXPECT_EQ(window.windowTitle(), "Brenvolt");
  EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(LoadedWindow, MenuTreeHasEveryItemWithItsCaption) {
  struct Item {
    const char* name;
    const char* caption;
    const char* parent;
  };
  const Item items[] = {
      {"TAIKYOKU", "対局", nullptr},
      {"MATCH_MAN", "対局(人間)", "TAIKYOKU"},
      {"START", "スタート", "MATCH_MAN"},
      {"START2", "対局(COM)", "TAIKYOKU"},
      {"SENTE", "先手", "START2"},
      {"GOTE", "後手", "START2"},
      {"OWARI", "終わり", "TAIKYOKU"},
      {"STOP", "局面", nullptr},
      {"CANCEL", "最初", "STOP"},
      {"REPLAY", "戻", "STOP"},
      {"AFTER", "進", "STOP"},
      {"HINT", "ヒント", "STOP"},
      {"SAVE", "棋譜を保存", "STOP"},
      {"OPEN", "棋譜を開く", "STOP"},
      {"COPY_POSITION", "局面をコピー", "STOP"},
      {"COPY_RECORD", "棋譜をコピー", "STOP"},
      {"PASTE", "貼り付け", "STOP"},
      {"OPTION", "ｵﾌﾟｼｮﾝ", nullptr},
      {"SIDOU", "移動指導", "OPTION"},
      {"BGM", "BGM", "OPTION"},
      {"TSUYOSA", "強さ", "OPTION"},
      {"HYOUJUN", "標準", "TSUYOSA"},
      {"HODOHODO", "ほどほど", "TSUYOSA"},
      {"MAZUMAZU", "まずまず", "TSUYOSA"},
      {"NAKANAKA", "なかなか", "TSUYOSA"},
      {"TSUYOI", "強い", "TSUYOSA"},
      {"TEGOWAI", "手強い", "TSUYOSA"},
      {"TOTEMO", "とても強い", "TSUYOSA"},
      {"SUGOKU", "すごく強い", "TSUYOSA"},
      {"TATSUJIN", "達人", "TSUYOSA"},
      {"SAIKYOU", "最強", "TSUYOSA"},
      {"VIEW", "表示", nullptr},
      {"PANEL", "棋譜", "VIEW"},
      {"KENTOU", "検討", "VIEW"},
      {"REVIEW", "振り返り", "VIEW"},
      {"VER", "その他", nullptr},
      {"HELP", "ヘルプ", nullptr},
      {"HOW_TO_PLAY", "遊び方", "HELP"},
  };
  for (const auto& item : items) {
    QAction* a = action(item.name);
    ASSERT_NE(a, nullptr) << item.name;
    EXPECT_EQ(a->text(), QString::fromUtf8(item.caption)) << item.name;
    EXPECT_TRUE(a->isEnabled()) << item.name;
    if (item.parent) {
      auto* parent = window.findChild<QMenu*>(item.parent);
      ASSERT_NE(parent, nullptr) << item.parent;
      EXPECT_TRUE(parent->actions().contains(a)) << item.name << " under " << item.parent;
    } else {
      EXPECT_TRUE(window.menuBar()->actions().contains(a)) << item.name;
    }
  }
  EXPECT_EQ(window.menuBar()->actions().size(), 6);
  // ヘルプ comes after every classic menu.
  EXPECT_EQ(window.menuBar()->actions().back(), action("HELP"));
  // その他 is a command on the bar itself.
  EXPECT_EQ(action("VER")->menu(), nullptr);
  EXPECT_EQ(action("SAVE")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(action("OPEN")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(action("PASTE")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
}

TEST_F(LoadedWindow, MusicIsCheckedAndGuidanceIsNotAfterLoad) {
  EXPECT_TRUE(action("BGM")->isCheckable());
  EXPECT_TRUE(action("SIDOU")->isCheckable());
  EXPECT_TRUE(action("BGM")->isChecked());
  EXPECT_FALSE(action("SIDOU")->isChecked());
  EXPECT_TRUE(window.platform().menuChecked("BGM"));
}

TEST_F(LoadedWindow, ChoosingACheckableItemFlipsItsMarkExactlyOnce) {
  action("BGM")->trigger();
  EXPECT_FALSE(action("BGM")->isChecked());
  EXPECT_FALSE(window.platform().menuChecked("BGM"));
  action("BGM")->trigger();
  EXPECT_TRUE(action("BGM")->isChecked());
  action("SIDOU")->trigger();
  EXPECT_TRUE(action("SIDOU")->isChecked());
  EXPECT_TRUE(window.platform().menuChecked("SIDOU"));
}

TEST_F(LoadedWindow, TheLevelsAreCheckedOneAtATimeStartingAtTheStandardOne) {
  // The levels whose items are checked.
  auto checked = [&] {
    std::vector<int> marked;
    for (int i = 0; i <= 強さ_最強; ++i) {
      if (action(強さの表[i].項目名)->isChecked()) marked.push_back(i);
    }
    return marked;
  };
  EXPECT_EQ(checked(), std::vector<int>{強さ_標準});
  action("TOTEMO")->trigger();
  EXPECT_EQ(checked(), std::vector<int>{強さ_とても強い});
  EXPECT_EQ(window.form().思考.level(), 強さ_とても強い);
  // Choosing the level already chosen keeps its mark.
  action("TOTEMO")->trigger();
  EXPECT_EQ(checked(), std::vector<int>{強さ_とても強い});
  action("HODOHODO")->trigger();
  EXPECT_EQ(checked(), std::vector<int>{1});
  EXPECT_EQ(window.form().思考.level(), 1);
  action("HYOUJUN")->trigger();
  EXPECT_EQ(checked(), std::vector<int>{強さ_標準});
}

TEST_F(LoadedWindow, F1KeySwitchesTheMusicAndOtherKeysDoNot) {
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(&window.view(), &f1);  // the client area has the focus
  EXPECT_FALSE(action("BGM")->isChecked());
  QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QApplication::sendEvent(&window.view(), &a);
  EXPECT_FALSE(action("BGM")->isChecked());
  EXPECT_EQ(quits, 0);
}

TEST_F(LoadedWindow, EscapeAndClosingEndTheProgramAfterFreeingTheSounds) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&window.view(), &escape);
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(freedBeforeQuit, 5);
  window.close();
  EXPECT_EQ(quits, 2);
}

TEST_F(LoadedWindow, BackgroundIsGreenAroundTheBoard) {
  const QColor green = *パレット色(2);
  EXPECT_EQ(at(2, 2), green);
  EXPECT_EQ(at(595, 500), green);
  EXPECT_EQ(at(90, 470), green);  // below 後手's stand
}

TEST_F(LoadedWindow, EmptyBoardSquaresAreWoodWithGreenOutlines) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const QPoint corner = 点(x, y);
      ASSERT_TRUE(同じ絵(PictureId::KARA_MASU, corner + QPoint(1, 1)) ||
                  at(corner.x() + 16, corner.y() + 20) ==
                      window.pictures().picture(PictureId::KARA_MASU).pixelColor(16, 20))
          << x << "," << y;
      EXPECT_EQ(at(corner.x(), corner.y() + 20), *パレット色(2)) << x << "," << y;
      EXPECT_EQ(at(corner.x() + 16, corner.y()), *パレット色(2)) << x << "," << y;
    }
  }
}

TEST_F(LoadedWindow, BothHandsShowTheirPiecesWithCountsInLightRed) {
  const PictureId sente[] = {PictureId::SITA_HU_0,  PictureId::SITA_KYOU_0, PictureId::SITA_KEI_0,
                             PictureId::SITA_GIN_0, PictureId::SITA_KIN,    PictureId::SITA_KAKU_0,
                             PictureId::SITA_SYA_0, PictureId::SITA_OU};
  const PictureId gote[] = {PictureId::UE_OU,     PictureId::UE_SYA_0, PictureId::UE_KAKU_0,
                            PictureId::UE_KIN,    PictureId::UE_GIN_0, PictureId::UE_KEI_0,
                            PictureId::UE_KYOU_0, PictureId::UE_HU_0};
  const QColor lightRed = *パレット色(12);
  for (int k = 0; k < 8; ++k) {
    const QPoint s = 点(11, k + 2);
    EXPECT_EQ(at(s.x() + 16, s.y() + 22), window.pictures().picture(sente[k]).pixelColor(16, 22))
        << k;
    EXPECT_GT(色の数(QRect(点(12, k + 2.2), QSize(26, 22)), lightRed), 5) << k;
    const QPoint g = 点(-1, k + 1);
    EXPECT_EQ(at(g.x() + 16, g.y() + 18), window.pictures().picture(gote[k]).pixelColor(16, 18))
        << k;
    EXPECT_GT(色の数(QRect(点(0, k + 1.2), QSize(26, 22)), lightRed), 5) << k;
  }
}

TEST_F(LoadedWindow, CoordinateLabelsAreWhite) {
  // Anti-aliased strokes: count the pixels that are light and grey, not green.
  const auto whitish = [this](QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = at(x, y);
        n += c.red() > 100 && c.blue() > 100 && std::abs(c.red() - c.blue()) < 10;
      }
    return n;
  };
  for (int i = 1; i <= 9; ++i) {
    EXPECT_GT(whitish(QRect(点(i + 0.1, 0.4), QSize(26, 22))), 8) << "column " << i;
    EXPECT_GT(whitish(QRect(点(10.1, i + 0.3), QSize(20, 20))), 4) << "row " << i;
  }
}

TEST_F(LoadedWindow, TitlePictureStandsAboveTheSenteStand) {
  EXPECT_TRUE(同じ絵(PictureId::PG_NA, 点(11.3, 0)));
}

TEST_F(LoadedWindow, WindowIsPlacedAtItsSizeOnTheDesktop) {
  const QRect available = window.screen()->availableGeometry();
  EXPECT_TRUE(available.contains(window.frameGeometry().topLeft()));
  EXPECT_EQ(window.frameGeometry().size(), QSize(600, 533));
  EXPECT_EQ(window.clientSize().width(), 600);
  EXPECT_EQ(window.clientSize().height(), 533 - window.menuBar()->height());
  EXPECT_EQ(window.clientImage().size(), window.clientSize());
}

TEST_F(LoadedWindow, ClientAreaShowsTheRetainedSurface) {
  const QImage shown = window.view().grab().toImage();
  for (const QPoint p : {QPoint(2, 2), 点(5, 5) + QPoint(16, 20), 点(11.3, 0) + QPoint(40, 30)}) {
    EXPECT_EQ(shown.pixelColor(p), at(p.x(), p.y()));
  }
}

// The panel widens the window by its width and leaves the drawing as it was; closed again,
// the window and its picture are the classic ones.
TEST_F(LoadedWindow, ThePanelWidensTheWindowAndLeavesTheDrawingAsItWas) {
  const QImage classic = window.clientImage();
  const QSize frame = window.frameGeometry().size();
  action("PANEL")->trigger();
  EXPECT_TRUE(window.panelShown());
  EXPECT_TRUE(action("PANEL")->isChecked());
  EXPECT_EQ(window.frameGeometry().size(), frame + QSize(MovePanel::幅, 0));
  EXPECT_EQ(window.clientSize(), classic.size());
  EXPECT_DOUBLE_EQ(window.surface().scale(), 1.0);
  const QImage both = window.clientImage();
  EXPECT_EQ(both.size(), classic.size() + QSize(MovePanel::幅, 0));
  EXPECT_EQ(both.copy(QRect(QPoint(), classic.size())).convertToFormat(classic.format()), classic);
  action("PANEL")->trigger();
  EXPECT_FALSE(window.panelShown());
  EXPECT_EQ(window.frameGeometry().size(), frame);
  EXPECT_EQ(window.clientImage(), classic);
}

// On the full screen the panel keeps its width and the drawing takes the rest, at the scale
// that rest allows.
TEST_F(LoadedWindow, OnTheFullScreenThePanelKeepsItsWidthAndTheDrawingTheRest) {
  window.setPanelShown(true);
  window.show();
  window.toggleFullScreen();
  QApplication::processEvents();
  ASSERT_TRUE(window.isFullScreen());
  EXPECT_EQ(window.panel().width(), MovePanel::幅);
  EXPECT_EQ(window.clientSize().width() + MovePanel::幅, window.centralWidget()->width());
  EXPECT_DOUBLE_EQ(window.surface().scale(), window.view().scaleFor(window.clientSize()));
  EXPECT_GT(window.surface().scale(), 1.0);
  window.toggleFullScreen();
}

// The list shows the moves and their state; picking a row goes to that move.
TEST_F(LoadedWindow, ThePanelListsTheMovesAndAPickedRowIsShownOnTheBoard) {
  window.setPanelShown(true);
  Form1& form = window.form();
  form.START_Click();
  form.Form_MouseDown(1, 0, 1100 + 495 * 11.5, 100 + 615 * 6.5);  // 先手's 金 in hand
  form.Form_MouseDown(1, 0, 1100 + 495 * 5.5, 100 + 615 * 5.5);
  ASSERT_EQ(form.記録.記録数, 1);
  form.REPLAY_Click();
  window.updatePanel();
  QListWidget& list = window.panel().list();
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(1)->text(), QStringLiteral("1 ▲５五金"));
  EXPECT_EQ(list.currentRow(), 0);
  EXPECT_EQ(window.panel().status().text(), QStringLiteral("先手の番です"));
  EXPECT_NE(list.item(1)->foreground(), list.item(0)->foreground());
  list.setCurrentRow(1);
  EXPECT_EQ(form.記録.記録数, 1);
  window.updatePanel();
  EXPECT_EQ(window.panel().status().text(), QStringLiteral("後手の番です"));
  EXPECT_EQ(list.item(1)->foreground(), list.item(0)->foreground());
  window.setLanguage(言語::英語);
  EXPECT_EQ(list.item(1)->text(), QStringLiteral("1 ▲G-5e"));
  EXPECT_EQ(list.item(0)->text(), QStringLiteral("Start position"));
}

// The analysis runs off the user-interface thread, its depths reach the panel through the event
// loop, and quitting stops it with the window still open.
TEST_F(LoadedWindow, TheAnalysisShowsItsDepthsInThePanelAndStopsOnQuit) {
  window.setPanelShown(true);
  Form1& form = window.form();
  form.START_Click();
  form.検討.set_caps({3, 0, 0});
  action("KENTOU")->trigger();
  EXPECT_TRUE(action("KENTOU")->isChecked());
  QLabel& shown = window.panel().analysis();
  for (int i = 0; i < 400 && !shown.text().contains(QStringLiteral("深さ 3")); ++i) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  EXPECT_TRUE(shown.text().contains(QStringLiteral("深さ 3"))) << shown.text().toStdString();
  EXPECT_FALSE(shown.isHidden());
  EXPECT_EQ(form.記録.記録数, 0) << "the analysis never plays";
  form.処理_終了();
  EXPECT_FALSE(form.検討.analysing());
}

// The review opens the panel with its progress and cancel button; cancelled, it leaves nothing;
// run to its end, the graph shows and a click on it goes to that move.
TEST_F(LoadedWindow, TheReviewOpensThePanelCancelsAndItsGraphGoesToAMove) {
  Form1& form = window.form();
  form.START_Click();
  for (int i = 0; i < 6; ++i) form.試合.指す(指せる手(form.局).front());
  form.対局を復元(form.対局の写し());
  ASSERT_EQ(form.記録.記録終端, 6);
  form.振り返り.set_budget({0, 1000000, 0});
  action("REVIEW")->trigger();
  EXPECT_TRUE(window.panelShown());
  ASSERT_TRUE(form.振り返り.running());
  window.updatePanel();
  EXPECT_TRUE(window.panel().progress().isVisibleTo(&window.panel()));
  window.panel().cancelButton().click();
  window.updatePanel();
  EXPECT_FALSE(form.振り返り.running());
  EXPECT_FALSE(window.panel().progress().isVisibleTo(&window.panel()));
  EXPECT_TRUE(window.panel().graph().isHidden());

  form.振り返り.set_budget({0, 2000, 0});
  action("REVIEW")->trigger();
  for (int i = 0; i < 400 && !form.振り返り.result(); ++i) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  ASSERT_TRUE(form.振り返り.result().has_value());
  window.updatePanel();
  EvaluationGraph& graph = window.panel().graph();
  EXPECT_FALSE(graph.isHidden());
  const QPointF at(graph.width() / 2 - 1, 10);
  QMouseEvent press(QEvent::MouseButtonPress, at, graph.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&graph, &press);
  EXPECT_EQ(form.記録.記録数, graph.indexAt(graph.width() / 2 - 1));
  EXPECT_LT(form.記録.記録数, form.記録.記録終端);
  EXPECT_TRUE(form.振り返り.result().has_value()) << "going to a move keeps the review";
}

// The panel and its texts grow with the zoom; the drawing keeps the size the zoom gives it.
TEST_F(LoadedWindow, ThePanelGrowsWithTheZoomAndTheDrawingKeepsItsSize) {
  window.setPanelShown(true);
  const QSize classic = window.clientSize();
  const qreal text = window.panel().list().font().pointSizeF();
  window.setClientScale(2.0);
  EXPECT_EQ(window.panel().width(), 2 * MovePanel::幅);
  EXPECT_DOUBLE_EQ(window.panel().list().font().pointSizeF(), 2 * text);
  EXPECT_EQ(window.clientSize(), classic * 2);
  window.setClientScale(1.0);
  EXPECT_EQ(window.panel().width(), MovePanel::幅);
  EXPECT_EQ(window.clientSize(), classic);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
  int paints = 0;
};

TEST_F(LoadedWindow, RefreshPaintsAtOnceWithoutWaitingForTheEventLoop) {
  window.show();
  QApplication::processEvents();
  PaintCounter counter;
  window.view().installEventFilter(&counter);
  window.surface().fillRect(0, 0, 300, 300, 15);
  window.surface().refresh();
  EXPECT_EQ(counter.paints, 1);
  EXPECT_EQ(window.view().grab().toImage().pixelColor(3, 3), QColor(255, 255, 255));
}

TEST_F(LoadedWindow, DrawingShowsOnTheNextPaintWithoutARefresh) {
  window.show();
  QApplication::processEvents();
  PaintCounter counter;
  window.view().installEventFilter(&counter);
  window.surface().outlineRect(1100 + 495 * 5, 100 + 615 * 5, 495, 615, 12);
  EXPECT_EQ(counter.paints, 0);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 1);
}

TEST(WindowBounds, NeitherAnOutlandishPixelRatioNorSizeIsTakenAsItStands) {
  RecordingSound sound;
  MainWindow dense(sound, {}, 1000.0, BoxMode::StandardError);
  EXPECT_EQ(dense.pictures().devicePixelRatio(), 最大画素比);
  EXPECT_EQ(dense.surface().image().devicePixelRatio(), 最大画素比);
  EXPECT_EQ(
      MainWindow(sound, {}, std::nan(""), BoxMode::StandardError).pictures().devicePixelRatio(),
      1.0);
  // Past the largest step the drawing stops growing, and so does the window.
  MainWindow huge(sound, {}, 1.0, BoxMode::StandardError);
  huge.resize(100000, 100000);
  EXPECT_LE(huge.width(), 600 * 4);
  EXPECT_LE(huge.height(), 533 * 4);
  EXPECT_EQ(huge.clientImage().size(), huge.clientSize());
}

TEST(SurfaceViewPresses, LeftAndRightButtonsArriveInTwips) {
  PictureStore pictures(1.0);
  Surface surface(QSize(100, 100), 1.0, pictures);
  SurfaceView view(surface);
  std::vector<std::tuple<int, double, double>> presses;
  view.setPressHandler([&](int b, double x, double y) { presses.emplace_back(b, x, y); });
  const auto press = [&](Qt::MouseButton button, QPointF at) {
    QMouseEvent event(QEvent::MouseButtonPress, at, view.mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
  };
  press(Qt::LeftButton, QPointF(10, 20));
  press(Qt::RightButton, QPointF(73.5, 47));
  press(Qt::MiddleButton, QPointF(5, 5));
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[0], std::make_tuple(1, 150.0, 300.0));
  EXPECT_EQ(presses[1], std::make_tuple(2, 1102.5, 705.0));
}

}  // namespace
}  // namespace brenvolt
