#include "window/qt/drawing_list.h"

#include <gtest/gtest.h>

namespace brenvolt {
namespace {

DrawingCall 箱(double x, double y, double w, double h) {
  return {DrawingCall::Kind::Fill, x, y, w, h, 2};
}
DrawingCall 輪郭(double x, double y, double w, double h, int colour) {
  return {DrawingCall::Kind::Outline, x, y, w, h, colour};
}
void 塗る(DrawingList& list, double x, double y, double w, double h) {
  list.add(箱(x, y, w, h), QRectF(x, y, w, h), QRectF(x, y, w, h));
}

TEST(DrawingList, AClearForgetsEverythingAndKeepsItsColour) {
  DrawingList list;
  EXPECT_FALSE(list.background());
  塗る(list, 0, 0, 100, 100);
  list.clear(2);
  EXPECT_EQ(list.size(), 0u);
  EXPECT_EQ(list.background(), 2);
}

TEST(DrawingList, ACallCoveredByLaterBoxesIsDroppedOnlyWhenCoveredWhole) {
  DrawingList list;
  塗る(list, 100, 100, 200, 200);
  塗る(list, 100, 100, 100, 200);  // the left half
  EXPECT_EQ(list.size(), 2u);
  塗る(list, 200, 100, 100, 200);  // and the right half: the first box is gone
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.calls()[0].x, 100);
  EXPECT_EQ(list.calls()[0].w, 100);
  // A box a quarter twip short of the far edge leaves the call in.
  塗る(list, 500, 500, 100, 100);
  塗る(list, 500, 500, 99.75, 100);
  EXPECT_EQ(list.size(), 4u);
}

TEST(DrawingList, PositionsOfTheGameMeetTheirBoxesDespiteRounding) {
  // 13.3 squares right of the board's edge: 6583.5 twips, which 13.3 * 495 misses by a hair.
  const double x = 1100 + 13.3 * 495, y = 100 + 3 * 615;
  DrawingList list;
  DrawingCall text{DrawingCall::Kind::Text, x, y};
  text.text = 盤の文("７");
  list.add(text, QRectF(x, y, 300, 260), std::nullopt);
  塗る(list, 1100 + 6583.5, 100 + 1845, 1360, 380);
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(list.calls()[0].kind, DrawingCall::Kind::Fill);
}

TEST(DrawingList, AnOutlineGivesWayToTheSameRectangleOutlinedAgainOnly) {
  DrawingList list;
  const QRectF reach(1100, 100, 495 + 22.5, 615 + 22.5);
  list.add(輪郭(1100, 100, 495, 615, 12), reach, std::nullopt);
  list.add(輪郭(1595, 100, 495, 615, 12), reach.translated(495, 0), std::nullopt);
  list.add(輪郭(1100, 100, 495, 615, 2), reach, std::nullopt);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.calls()[0].x, 1595);
  EXPECT_EQ(list.calls()[1].colour, 2);
  // An outline paints no square's inside, so it covers nothing.
  塗る(list, 1200, 200, 100, 100);
  list.add(輪郭(1100, 100, 495, 615, 15), reach, std::nullopt);
  EXPECT_EQ(list.size(), 3u);
}

TEST(DrawingList, ABoxThatDoesNotReachTheOutlinesFarEdgeLeavesIt) {
  DrawingList list;
  list.add(輪郭(0, 0, 495, 615, 12), QRectF(0, 0, 495 + 22.5, 615 + 22.5), std::nullopt);
  塗る(list, 0, 0, 495, 615);
  EXPECT_EQ(list.size(), 2u);
  塗る(list, -10, -10, 600, 700);
  EXPECT_EQ(list.size(), 1u);
}

TEST(DrawingList, UnusableNumbersCoverNothingAndAreKept) {
  DrawingList list;
  塗る(list, 0, 0, 100, 100);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  list.add(箱(nan, 0, 100, 100), QRectF(nan, 0, 100, 100), QRectF(nan, 0, 100, 100));
  list.add(箱(0, 0, 1e300, 1e300), QRectF(0, 0, 1e300, 1e300), QRectF(0, 0, 1e300, 1e300));
  // The unusable box covered nothing; the huge one, clamped far beyond any window, the first.
  EXPECT_EQ(list.size(), 2u);
  list.add(箱(0, 0, 1e300, 1e300), QRectF(0, 0, 1e300, 1e300),
           QRectF(-1e300, -1e300, 2e300, 2e300));
  EXPECT_EQ(list.size(), 1u);  // a box over everything covers even a call of unusable size
  EXPECT_GT(outward(QRectF(nan, 0, 1, 1)).width(), 0);
  EXPECT_TRUE(inward(QRectF(nan, 0, 1, 1)).isEmpty());
}

}  // namespace
}  // namespace brenvolt
