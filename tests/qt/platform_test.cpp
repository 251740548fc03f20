#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brenvolt
