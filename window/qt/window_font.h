// The window's text font: a proportional Japanese mincho face sized the way the classic
// window sized its text (points at 96 dots per inch).
#pragma once

#include <QFont>

namespace brenvolt {

// Pixels per em of a font of `points` points on a 96-dpi window.
int 文字ピクセル(int points);

// The mincho window font at `points` points, bold when asked. Where none of the listed Japanese
// families is installed, Qt takes each glyph from any installed face that has it.
QFont 窓フォント(int points, bool bold);

}  // namespace brenvolt
