#include "window/qt/palette.h"

namespace brenvolt {

std::optional<QColor> パレット色(int index) {
  if (index < 0 || index >= パレット色数) return std::nullopt;
  if (index == 7) return QColor(192, 192, 192);
  if (index == 8) return QColor(128, 128, 128);
  // Bit 0 blue, bit 1 green, bit 2 red; the low eight are half intensity, the high eight full.
  const int level = index < 8 ? 128 : 255;
  const int bits = index & 7;
  return QColor(bits & 4 ? level : 0, bits & 2 ? level : 0, bits & 1 ? level : 0);
}

}  // namespace brenvolt
