#include "window/qt/picture_store.h"

#include <gtest/gtest.h>

#include <set>

#include "window/qt/palette.h"
#include "window/qt/picture_drawing.h"

namespace brenvolt {
namespace {

bool 赤い(QColor c) {
  return c.red() > 150 && c.green() < 110 && c.blue() < 110;
}
bool 暗い(QColor c) {
  return c.lightness() < 70;
}
bool 明るい(QColor c) {
  return c.lightness() > 200;
}
// Board wood: a light yellowish brown.
bool 木の色(QColor c) {
  return c.red() > 200 && c.green() > 160 && c.blue() > 90 && c.blue() < 180 &&
         c.red() > c.green() && c.green() > c.blue();
}

class PictureStoreTest : public ::testing::TestWithParam<qreal> {
 protected:
  PictureStoreTest() : store(GetParam()) {}
  // The colour at a logical pixel of a picture.
  QColor at(PictureId id, double x, double y) const {
    return store.picture(id).pixelColor(
        QPoint(static_cast<int>(x * GetParam()), static_cast<int>(y * GetParam())));
  }
  int count(PictureId id, bool (*test)(QColor)) const {
    const QImage& image = store.picture(id);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += test(image.pixelColor(x, y));
    return n;
  }
  PictureStore store;
};

const PictureId 先手の絵[] = {
    PictureId::SITA_HU_0,  PictureId::SITA_HU_1,   PictureId::SITA_KYOU_0, PictureId::SITA_KYOU_1,
    PictureId::SITA_KEI_0, PictureId::SITA_KEI_1,  PictureId::SITA_GIN_0,  PictureId::SITA_GIN_1,
    PictureId::SITA_KIN,   PictureId::SITA_KAKU_0, PictureId::SITA_KAKU_1, PictureId::SITA_SYA_0,
    PictureId::SITA_SYA_1, PictureId::SITA_OU};
const PictureId 後手の絵[] = {PictureId::UE_HU_0,   PictureId::UE_HU_1,   PictureId::UE_KYOU_0,
                              PictureId::UE_KYOU_1, PictureId::UE_KEI_0,  PictureId::UE_KEI_1,
                              PictureId::UE_GIN_0,  PictureId::UE_GIN_1,  PictureId::UE_KIN,
                              PictureId::UE_KAKU_0, PictureId::UE_KAKU_1, PictureId::UE_SYA_0,
                              PictureId::UE_SYA_1,  PictureId::UE_OU};
const bool 成り[] = {false, true,  false, true, false, true, false,
                     true,  false, false, true, false, true, false};

TEST_P(PictureStoreTest, EveryPictureHasItsSizeAtTheDevicePixelRatio) {
  for (int i = 0; i < 絵の数; ++i) {
    const QImage& image = store.picture(static_cast<PictureId>(i));
    const QSize logical = i == static_cast<int>(PictureId::PG_NA) ? 題字サイズ : 桝の絵サイズ;
    EXPECT_EQ(image.size(), logical * GetParam()) << i;
    EXPECT_EQ(image.devicePixelRatio(), GetParam()) << i;
  }
  EXPECT_EQ(store.icon().size(), アイコンサイズ * GetParam());
}

TEST_P(PictureStoreTest, EmptySquareIsOpaqueWoodAllOver) {
  EXPECT_EQ(count(PictureId::KARA_MASU, 木の色),
            桝の絵サイズ.width() * 桝の絵サイズ.height() * GetParam() * GetParam());
}

TEST_P(PictureStoreTest, PiecesStandOnWoodWithTheirCornersBare) {
  for (const auto id : 先手の絵) {
    EXPECT_TRUE(木の色(at(id, 0.5, 0.5))) << static_cast<int>(id);
    EXPECT_TRUE(木の色(at(id, 32.5, 0.5))) << static_cast<int>(id);
  }
  for (const auto id : 後手の絵) {
    EXPECT_TRUE(木の色(at(id, 0.5, 40.5))) << static_cast<int>(id);
    EXPECT_TRUE(木の色(at(id, 32.5, 40.5))) << static_cast<int>(id);
  }
}

TEST_P(PictureStoreTest, SenteIsBlackPointingUpAndGoteWhitePointingDown) {
  for (const auto id : 先手の絵) {
    EXPECT_TRUE(暗い(at(id, 16.5, 4.5))) << static_cast<int>(id);  // the point, at the top
    EXPECT_TRUE(暗い(at(id, 6, 36))) << static_cast<int>(id);      // a wide foot
    EXPECT_TRUE(木の色(at(id, 6, 4.5))) << static_cast<int>(id);   // beside the point
  }
  for (const auto id : 後手の絵) {
    EXPECT_TRUE(明るい(at(id, 16.5, 36.5))) << static_cast<int>(id);
    EXPECT_TRUE(明るい(at(id, 27, 5))) << static_cast<int>(id);
    EXPECT_TRUE(木の色(at(id, 27, 36.5))) << static_cast<int>(id);
  }
}

TEST_P(PictureStoreTest, CharactersContrastWithThePieceAndOnlyPromotedOnesAreRed) {
  for (int i = 0; i < 14; ++i) {
    const int redSente = count(先手の絵[i], 赤い);
    const int redGote = count(後手の絵[i], 赤い);
    if (成り[i]) {
      EXPECT_GT(redSente, 20 * GetParam() * GetParam()) << i;
      EXPECT_GT(redGote, 20 * GetParam() * GetParam()) << i;
    } else {
      EXPECT_EQ(redSente, 0) << i;
      EXPECT_EQ(redGote, 0) << i;
      EXPECT_GT(count(先手の絵[i], 明るい), 25 * GetParam() * GetParam()) << i;
    }
  }
}

TEST_P(PictureStoreTest, EachPieceLooksDifferent) {
  std::vector<QImage> images;
  for (int i = 0; i < 絵の数; ++i) images.push_back(store.picture(static_cast<PictureId>(i)));
  for (std::size_t a = 0; a < images.size(); ++a)
    for (std::size_t b = a + 1; b < images.size(); ++b)
      EXPECT_NE(images[a], images[b]) << a << "," << b;
}

TEST_P(PictureStoreTest, GotePictureIsTheSentePieceTurnedRound) {
  // Same characters, same shape: the 後手 piece's outline is the 先手 one's turned by 180°, so
  // a point inside one turned round is inside the other.
  for (int i = 0; i < 14; ++i) {
    for (const QPointF p : {QPointF(16.5, 6), QPointF(7, 36), QPointF(26, 36)}) {
      const QPointF turned(33 - p.x(), 41 - p.y());
      EXPECT_FALSE(木の色(at(後手の絵[i], turned.x(), turned.y()))) << i;
    }
  }
}

TEST_P(PictureStoreTest, TitleIsMulticolouredLettersOnTheGreenBackground) {
  const QColor green = *パレット色(2);
  EXPECT_EQ(at(PictureId::PG_NA, 1, 1), green);
  EXPECT_EQ(at(PictureId::PG_NA, 126, 68), green);
  std::set<QRgb> bright;
  const QImage& title = store.picture(PictureId::PG_NA);
  for (int i = 9; i < 16; ++i) {
    const QRgb colour = パレット色(i)->rgb();
    for (int y = 0; y < title.height(); ++y)
      for (int x = 0; x < title.width(); ++x)
        if (title.pixel(x, y) == colour) bright.insert(colour);
  }
  EXPECT_GE(bright.size(), 4u);
}

TEST_P(PictureStoreTest, IconShowsAPieceOnWood) {
  const QImage& icon = store.icon();
  const qreal r = GetParam();
  EXPECT_TRUE(木の色(icon.pixelColor(QPoint(1, 1))));
  EXPECT_TRUE(暗い(icon.pixelColor(QPointF(16 * r, 28 * r).toPoint())));
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, PictureStoreTest, ::testing::Values(1.0, 2.0));

// At the classic size the store takes the pictures the build drew; they must be exactly what
// drawing them now gives, on this machine's fonts.
TEST(ClassicPictures, TheBuildsPicturesAreTheDrawingsThemselves) {
  const PictureStore store(1.0);
  for (int i = 0; i < 絵の数; ++i) {
    const auto id = static_cast<PictureId>(i);
    const QImage drawn =
        絵を描く(id, 1.0, 1.0).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(store.picture(id).convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn) << i;
  }
}

TEST(ClassicPictures, OtherScalesAreDrawnAtTheirOwnSize) {
  const PictureStore store(1.0);
  const QImage& large = store.picture(PictureId::SITA_KIN, 1.5);
  EXPECT_EQ(large.size(), QSize(50, 62));
  EXPECT_EQ(large, 絵を描く(PictureId::SITA_KIN, 1.0, 1.5));
  // The classic ones stay at hand beside them.
  EXPECT_EQ(store.picture(PictureId::SITA_KIN).size(), 桝の絵サイズ);
}

}  // namespace
}  // namespace brenvolt
