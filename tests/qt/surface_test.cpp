#include "window/qt/surface.h"

#include <gtest/gtest.h>

#include "window/qt/palette.h"
#include "window/qt/picture_store.h"

namespace brenvolt {
namespace {

constexpr int 黒 = 0, 緑 = 2, 明赤 = 12, 白 = 15;

class SurfaceTest : public ::testing::TestWithParam<qreal> {
 protected:
  SurfaceTest() : pictures(GetParam()), surface(QSize(200, 150), GetParam(), pictures) {
    surface.clear(緑);
  }
  QColor at(int x, int y) const { return surface.pixel(QPoint(x, y)); }
  int pixelsOf(QColor colour) const {
    const QImage& image = surface.image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
  }

  PictureStore pictures;
  Surface surface;
};

TEST(TwipsToPixels, FifteenTwipsAPixelRoundedToTheNearest) {
  EXPECT_EQ(twipToPixel(0), 0);
  EXPECT_EQ(twipToPixel(1100 + 495), 106);  // board column 1: 106.33
  EXPECT_EQ(twipToPixel(100 + 615), 48);    // board row 1: 47.67
  EXPECT_EQ(twipToPixel(1100 + 495 * 0.1), 77);
  EXPECT_EQ(twipToPixel(-60), -4);
}

TEST_P(SurfaceTest, ImageHoldsDevicePixelsForEveryLogicalPixel) {
  EXPECT_EQ(surface.image().size(), QSize(200, 150) * GetParam());
  EXPECT_EQ(at(199, 149), *パレット色(緑));
}

TEST_P(SurfaceTest, FilledBoxLeavesItsFarEdgeToTheNeighbour) {
  surface.fillRect(150, 300, 150, 75, 白);  // pixels 10..19 × 20..24
  EXPECT_EQ(at(10, 20), Qt::white);
  EXPECT_EQ(at(19, 24), Qt::white);
  EXPECT_EQ(at(20, 22), *パレット色(緑));
  EXPECT_EQ(at(15, 25), *パレット色(緑));
  EXPECT_EQ(at(9, 22), *パレット色(緑));
  EXPECT_EQ(pixelsOf(Qt::white), 50 * GetParam() * GetParam());
}

TEST_P(SurfaceTest, NegativeSizesSpanTheBoxFromTheOtherCorner) {
  surface.fillRect(300, 300, -150, -150, 白);
  EXPECT_EQ(at(10, 10), Qt::white);
  EXPECT_EQ(at(19, 19), Qt::white);
  EXPECT_EQ(at(20, 20), *パレット色(緑));
}

TEST_P(SurfaceTest, OutlinesOfNeighbouringSquaresShareTheirEdges) {
  // Two squares side by side, 495 × 615 twips each: the left one's right edge is the right
  // one's left edge, so the one drawn last owns it.
  surface.outlineRect(1100, 100, 495, 615, 明赤);
  surface.outlineRect(1595, 100, 495, 615, 白);
  EXPECT_EQ(at(73, 7), *パレット色(明赤));   // left edge of the first
  EXPECT_EQ(at(106, 20), Qt::white);         // shared edge, drawn last in white
  EXPECT_EQ(at(139, 48), Qt::white);         // far corner of the second
  EXPECT_EQ(at(90, 48), *パレット色(明赤));  // bottom edge of the first
  EXPECT_EQ(at(90, 20), *パレット色(緑));    // inside stays untouched
  EXPECT_EQ(at(140, 20), *パレット色(緑));
}

TEST_P(SurfaceTest, UnknownColoursDrawNothing) {
  const QImage before = surface.image();
  surface.fillRect(0, 0, 3000, 2000, 16);
  surface.outlineRect(0, 0, 3000, 2000, -1);
  surface.drawText(0, 0, 盤の文("Brenvolt"), 12, 99, false);
  surface.clear(255);
  EXPECT_EQ(surface.image(), before);
}

TEST_P(SurfaceTest, DrawingBeyondTheEdgesIsClipped) {
  surface.fillRect(-3000, -3000, 100000, 100000, 白);
  surface.drawPicture(PictureId::PG_NA, 2800, 2000);
  surface.outlineRect(2900, 2100, 5000, 5000, 黒);
  surface.drawText(-500, 2200, 盤の文("思考中"), 16, 黒, true);
  EXPECT_EQ(at(0, 0), Qt::white);
  EXPECT_EQ(at(193, 140), Qt::black);
}

TEST_P(SurfaceTest, TextIsDrawnBelowAndRightOfItsPositionInItsColour) {
  surface.drawText(300, 300, 盤の文("手目"), 12, 白, true);
  const QImage& image = surface.image();
  const qreal ratio = GetParam();
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == Qt::white) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty());
  // Two 16-pixel characters of 12 points, starting at pixel (20, 20).
  EXPECT_GE(ink.left(), 20 * ratio);
  EXPECT_GE(ink.top(), 20 * ratio);
  EXPECT_LT(ink.right(), (20 + 34) * ratio);
  EXPECT_LT(ink.bottom(), (20 + 20) * ratio);
  EXPECT_GT(ink.width(), 20 * ratio);
}

TEST_P(SurfaceTest, JapaneseTextShowsRealGlyphsNotBoxes) {
  // Different characters must give different ink; a font without them draws the same box.
  Surface other(QSize(200, 150), GetParam(), pictures);
  other.clear(緑);
  surface.drawText(0, 0, 盤の文("一"), 16, 白, false);
  other.drawText(0, 0, 盤の文("九"), 16, 白, false);
  EXPECT_NE(surface.image(), other.image());
}

TEST_P(SurfaceTest, BoldTextCarriesMoreInk) {
  surface.drawText(0, 0, 盤の文("五六七"), 14, 白, false);
  const int regular = pixelsOf(Qt::white);
  surface.clear(緑);
  surface.drawText(0, 0, 盤の文("五六七"), 14, 白, true);
  EXPECT_GT(pixelsOf(Qt::white), regular);
}

TEST_P(SurfaceTest, PictureIsCopiedAtItsNaturalSize) {
  surface.drawPicture(PictureId::SITA_OU, 150, 150);
  const QImage& picture = pictures.picture(PictureId::SITA_OU);
  const qreal ratio = GetParam();
  for (const QPoint p : {QPoint(0, 0), QPoint(16, 20), QPoint(32, 40), QPoint(5, 35)}) {
    EXPECT_EQ(at(10 + p.x(), 10 + p.y()), picture.pixelColor(p * ratio)) << p.x() << "," << p.y();
  }
  EXPECT_EQ(at(43, 20), *パレット色(緑));
  EXPECT_EQ(at(20, 51), *パレット色(緑));
}

TEST_P(SurfaceTest, EveryDrawingCallReportsTheAreaItChanged) {
  std::vector<QRect> areas;
  surface.setChangeHandler([&](const QRect& area) { areas.push_back(area); });
  surface.fillRect(150, 300, 150, 75, 白);
  surface.outlineRect(1100, 100, 495, 615, 明赤);
  surface.drawPicture(PictureId::SITA_KIN, 300, 450);
  surface.drawText(300, 300, 盤の文("手目"), 12, 白, true);
  surface.fillRect(0, 0, 100, 100, 16);  // draws nothing, changes nothing
  surface.clear(緑);
  ASSERT_EQ(areas.size(), 5u);
  EXPECT_EQ(areas[0], QRect(10, 20, 10, 5));
  EXPECT_EQ(areas[1], QRect(73, 7, 34, 42));
  EXPECT_EQ(areas[2], QRect(20, 30, 33, 41));
  EXPECT_TRUE(areas[3].contains(QRect(20, 20, 30, 14)))
      << areas[3].x() << "," << areas[3].y() << " " << areas[3].width() << "x" << areas[3].height();
  EXPECT_EQ(areas[4], QRect(0, 0, 200, 150));
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, SurfaceTest, ::testing::Values(1.0, 2.0));

}  // namespace
}  // namespace brenvolt
