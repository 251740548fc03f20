#include "window/qt/window_font.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace brenvolt {

int 文字ピクセル(int points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont 窓フォント(int points, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"),
                    QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Serif CJK"),
                    QStringLiteral("Noto Sans CJK JP")});
  font.setStyleHint(QFont::Serif);
  // A non-positive size would make Qt warn and fall back to its default; one pixel keeps the
  // text invisible-small instead, which is what a zero size means to the caller.
  font.setPixelSize(std::max(1, 文字ピクセル(points)));
  font.setBold(bold);
  return font;
}

}  // namespace brenvolt
