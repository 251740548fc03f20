#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <atomic>
#include <memory>

#include "window/qt/background_work.h"
#include "window/qt/key_codes.h"
#include "window/qt/qt_platform.h"

namespace brenvolt {
namespace {

TEST(KeyCodes, ClassicCodesOfTheKeysTheGameKnows) {
  EXPECT_EQ(仮想キーコード(Qt::Key_Escape), 27);
  EXPECT_EQ(仮想キーコード(Qt::Key_F1), 112);
  EXPECT_EQ(仮想キーコード(Qt::Key_F12), 123);
  EXPECT_EQ(仮想キーコード(Qt::Key_A), 65);
  EXPECT_EQ(仮想キーコード(Qt::Key_9), 57);
  EXPECT_EQ(仮想キーコード(Qt::Key_Return), 13);
  EXPECT_EQ(仮想キーコード(Qt::Key_Left), 37);
  EXPECT_FALSE(仮想キーコード(Qt::Key_VolumeUp));
}

TEST(MessageText, CarriageReturnsBreakLines) {
  EXPECT_EQ(表示用文("  Version 0.93\r\rHarrowick 1999.01"),
            QString::fromUtf8("  Version 0.93\n\nHarrowick 1999.01"));
  EXPECT_EQ(表示用文("a\r\nb"), QString("a\nb"));
  EXPECT_EQ(表示用文("「対局」で始めて下さい"), QString::fromUtf8("「対局」で始めて下さい"));
}

TEST(WindowPlacement, MovedOntoTheDesktopAsCloseAsItAllows) {
  const QRect desktop(0, 0, 1024, 768);
  // Just off the top-left corner, as the classic window asked.
  EXPECT_EQ(画面内に置く(QRect(-4, -4, 600, 533), desktop), QRect(0, 0, 600, 533));
  EXPECT_EQ(画面内に置く(QRect(100, 50, 600, 533), desktop), QRect(100, 50, 600, 533));
  EXPECT_EQ(画面内に置く(QRect(900, 700, 600, 533), desktop), QRect(424, 235, 600, 533));
  // A desktop smaller than the window keeps its top-left corner reachable.
  EXPECT_EQ(画面内に置く(QRect(-4, -4, 600, 533), QRect(0, 30, 400, 300)), QRect(0, 30, 600, 533));
}

TEST(BoxPlacement, TheBoxLeavesTheRectangleUncoveredWhereTheScreenAllows) {
  const QRect screen(0, 0, 1000, 800);
  const QRect window(100, 100, 600, 500);
  const QSize box(200, 100);
  // A five away from the middle: the box stays centred.
  EXPECT_EQ(避けた箱の位置(box, QRect(120, 120, 50, 50), window, screen), QPoint(300, 300));
  // A five under the middle: beside it, to its right.
  const auto right = 避けた箱の位置(box, QRect(380, 200, 50, 300), window, screen);
  ASSERT_TRUE(right);
  EXPECT_FALSE(QRect(*right, box).intersects(QRect(380, 200, 50, 300)));
  EXPECT_TRUE(screen.contains(QRect(*right, box)));
  // No room right: to its left.
  EXPECT_EQ(避けた箱の位置(box, QRect(700, 0, 300, 800), QRect(600, 100, 400, 500), screen),
            QPoint(500, 300));
  // No room anywhere: the usual place.
  EXPECT_FALSE(避けた箱の位置(box, QRect(0, 0, 1000, 800), window, screen));
}

TEST(BackgroundWork, TheResultComesBackOnTheUserInterfaceThreadAsAnEventOfItsOwn) {
  BackgroundWork background;
  QThread* workThread = nullptr;
  QThread* doneThread = nullptr;
  int result = 0;
  int seen = -1;
  QEventLoop loop;
  background.run(
      [&] {
        workThread = QThread::currentThread();
        result = 42;
      },
      [&] {
        doneThread = QThread::currentThread();
        seen = result;
        loop.quit();
      });
  // Never delivered inside the call that started the work.
  EXPECT_EQ(doneThread, nullptr);
  loop.exec();
  EXPECT_EQ(seen, 42);
  EXPECT_NE(workThread, QCoreApplication::instance()->thread());
  EXPECT_EQ(doneThread, QCoreApplication::instance()->thread());
  EXPECT_EQ(background.pending(), 0u);
}

TEST(BackgroundWork, WorkStillRunningWhenItGoesAwayIsWaitedForAndItsResultDropped) {
  std::atomic<bool> release{false};
  std::atomic<bool> finished{false};
  bool delivered = false;
  {
    BackgroundWork background;
    background.run(
        [&] {
          while (!release.load()) QThread::yieldCurrentThread();
          finished = true;
        },
        [&] { delivered = true; });
    EXPECT_EQ(background.pending(), 1u);
    release = true;
  }
  EXPECT_TRUE(finished.load());
  QCoreApplication::processEvents();
  EXPECT_FALSE(delivered);
}

}  // namespace
}  // namespace brenvolt
