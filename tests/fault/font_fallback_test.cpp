// Run with a font configuration that hides IPA P明朝, the window's first choice: the window's
// text must still show Japanese characters from the next mincho face.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <cstdlib>

#include "window/palette.h"
#include "window/qt/picture_store.h"
#include "window/qt/surface.h"
#include "window/qt/window_font.h"

namespace brenvolt {
namespace {

TEST(FontFallback, WithoutTheFirstChoiceFontJapaneseTextStillShowsRealGlyphs) {
  const QStringList families = QFontDatabase::families();
  ASSERT_FALSE(families.contains(QStringLiteral("IPAPMincho"))) << "the font was not hidden";
  EXPECT_EQ(QFontInfo(窓フォント(12, false)).family(), QStringLiteral("IPAMincho"));

  const PictureStore pictures(1.0);
  Surface one(QSize(200, 150), 1.0, pictures);
  Surface nine(QSize(200, 150), 1.0, pictures);
  one.clear(色_緑);
  nine.clear(色_緑);
  const QImage blank = one.image();
  one.drawText(0, 0, 盤の文("先手の番です"), 16, 色_白, false);
  nine.drawText(0, 0, 盤の文("後手の番です"), 16, 色_白, false);
  // A face without the characters draws the same box for each; real glyphs differ.
  EXPECT_NE(one.image(), blank);
  EXPECT_NE(one.image(), nine.image());
}

}  // namespace
}  // namespace brenvolt

// The font configuration must be in place before Qt reads the fonts.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("FONTCONFIG_FILE", BRENVOLT_HIDE_FIRST_FONT, 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
