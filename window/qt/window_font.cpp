#include "window/qt/window_font.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace brenvolt {

int 文字ピクセル(int points, double scale) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0 * scale));
}

QStringList 窓フォントの候補() {
  return {QStringLiteral("ＭＳ Ｐ明朝"),       QStringLiteral("MS PMincho"),
          QStringLiteral("IPAPMincho"),        QStringLiteral("IPAMincho"),
          QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Serif CJK"),
          QStringLiteral("Noto Sans CJK JP")};
}

QFont 窓フォント(int points, bool bold, double scale) {
  // Asked for once per text drawn: the family list is made once.
  static const QStringList families = 窓フォントの候補();
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::Serif);
  // A non-positive size would make Qt warn and fall back to its default; one pixel keeps the
  // text invisible-small instead, which is what a zero size means to the caller.
  font.setPixelSize(std::max(1, 文字ピクセル(points, scale)));
  font.setBold(bold);
  return font;
}

std::optional<TranslatableText> 日本語フォントがない警告() {
  if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) return std::nullopt;
  return 箱の文(
      "日本語の文字を持つフォントがありません。文字は四角で表示されます "
      "(fonts-ipafont-mincho を入れて下さい)");
}

}  // namespace brenvolt
