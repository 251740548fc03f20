// The window's text font: a proportional Japanese mincho face sized the way the classic
// window sized its text (points at 96 dots per inch).
#pragma once

#include <QFont>
#include <QStringList>
#include <optional>
#include <string>

#include "text/translatable_text.h"

namespace brenvolt {

// Pixels per em of a font of `points` points on a 96-dpi window, at `scale` times the classic
// size.
int 文字ピクセル(int points, double scale = 1.0);

// The families of the window font, first choice first: the classic window's "ＭＳ Ｐ明朝" under
// its Japanese and its Latin name wherever it is installed, then the mincho faces Debian has.
QStringList 窓フォントの候補();

// The mincho window font at `points` points, bold when asked. Where none of the listed Japanese
// families is installed, Qt takes each glyph from any installed face that has it.
QFont 窓フォント(int points, bool bold, double scale = 1.0);

// What to tell the player, on standard error, when no installed font has Japanese characters:
// every Japanese text, and with no fonts at all every text, is then drawn as boxes. Nothing
// when there is such a font. Needs the Qt application.
std::optional<TranslatableText> 日本語フォントがない警告();

}  // namespace brenvolt
