#include <gtest/gtest.h>

#include "window/qt/palette.h"

namespace brenvolt {
namespace {

TEST(Palette, ClassicSixteenColoursInCgaOrder) {
  EXPECT_EQ(*パレット色(0), QColor(0, 0, 0));
  EXPECT_EQ(*パレット色(1), QColor(0, 0, 128));
  EXPECT_EQ(*パレット色(2), QColor(0, 128, 0));
  EXPECT_EQ(*パレット色(4), QColor(128, 0, 0));
  EXPECT_EQ(*パレット色(6), QColor(128, 128, 0));
  EXPECT_EQ(*パレット色(7), QColor(192, 192, 192));
  EXPECT_EQ(*パレット色(8), QColor(128, 128, 128));
  EXPECT_EQ(*パレット色(9), QColor(0, 0, 255));
  EXPECT_EQ(*パレット色(10), QColor(0, 255, 0));
  EXPECT_EQ(*パレット色(12), QColor(255, 0, 0));
  EXPECT_EQ(*パレット色(14), QColor(255, 255, 0));
  EXPECT_EQ(*パレット色(15), QColor(255, 255, 255));
}

TEST(Palette, IndexesOutsideThePaletteHaveNoColour) {
  EXPECT_FALSE(パレット色(-1));
  EXPECT_FALSE(パレット色(16));
  EXPECT_FALSE(パレット色(0x00ff00));
}

}  // namespace
}  // namespace brenvolt
