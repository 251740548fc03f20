// The primitives every other drawing routine is built from: filled box, square outline,
// numbers and notation texts, all placed in square units.
#include <string>

#include "window/form1.h"
#include "window/move_display_text.h"
#include "window/square_units.h"

namespace brenvolt {

namespace {

// Every number or text erases this box at its place first, whatever its length or size.
constexpr int 数値欄幅 = 400;
constexpr int 数値欄高 = 350;

constexpr int 表記の大きさ = 12;

}  // namespace

void Form1::描画_四角形(double 入力X, double 入力Y, double X_長, double Y_長, int 色) {
  canvas.fillRect(桝点X(入力X), 桝点Y(入力Y), X_長, Y_長, 色);
}

void Form1::描画_桝輪郭(int 描画色, double 座標X, double 座標Y) {
  canvas.outlineRect(桝点X(座標X), 桝点Y(座標Y), 桝幅, 桝高, 描画色);
}

void Form1::描画_数値(double 入力X, double 入力Y, const TranslatableText& 数値, int 色, int モード,
                      int フォントサイズ) {
  描画_四角形(入力X, 入力Y, 数値欄幅, 数値欄高, 背景色);
  // A text has no numeral, so only the plain mode shows it.
  if (モード != 0 || 数値.empty()) return;
  canvas.drawText(桝点X(入力X), 桝点Y(入力Y), 数値, フォントサイズ, 色, 太字);
}

void Form1::描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード,
                      int フォントサイズ) {
  if (モード == 0) {
    描画_数値(入力X, 入力Y, そのまま(数値の表記(数値)), 色, モード, フォントサイズ);
    return;
  }
  描画_四角形(入力X, 入力Y, 数値欄幅, 数値欄高, 背景色);
  const std::string_view 漢数字 = 漢数字の表記(数値);
  if (漢数字.empty()) return;
  canvas.drawText(桝点X(入力X), 桝点Y(入力Y), 盤の文(std::string(漢数字)), フォントサイズ, 色,
                  太字);
}

void Form1::描画_移動駒種類(double 入力X, double 入力Y, int 駒種類, int 色) {
  const std::string_view 表記 = 移動駒種類の表記(駒種類);
  if (表記.empty()) return;
  canvas.drawText(桝点X(入力X), 桝点Y(入力Y), 盤の文(std::string(表記)), 表記の大きさ, 色, 太字);
}

}  // namespace brenvolt
