// Coordinate labels, the move count and the notation of each side's last move.
#include "window/form1.h"
#include "window/move_display_text.h"
#include "window/square_units.h"
#include "window/text_areas.h"

namespace brenvolt {

namespace {

constexpr double 列番号Y = 0.4;
constexpr double 段番号X = 10.1;
constexpr double 番号のずれ = 0.1;
constexpr double 段番号の下げ = 0.3;
constexpr int 列番号の大きさ = 16;
constexpr int 段番号の大きさ = 12;

constexpr int 手数の大きさ = 12;
constexpr double 一桁のずれ = 0.1;
constexpr double 手目のずれX = 0.7;
constexpr double 手目のずれY = -0.2;
constexpr int 手目の大きさ = 10;
// "手目" is drawn this far right and down from its box's corner, in twips.
constexpr int 手目の余白X = 120;
constexpr int 手目の余白Y = 160;
constexpr int 手目欄幅 = 2200;
constexpr int 手目欄高 = 560;

// Notation: the column digit, then the row numeral 0.4 squares on, then the piece name at 1.
constexpr double 段の位置 = 0.4;
constexpr double 駒名の位置 = 1;

}  // namespace

void Form1::描画_桝_数値() {
  太字 = true;
  for (int i = 1; i <= 盤サイズ; ++i) {
    描画_数値(i + 番号のずれ, 列番号Y, 盤サイズ + 1 - i, 色_白, 0, 列番号の大きさ);
    描画_数値(段番号X, i + 段番号の下げ, i, 色_白, 1, 段番号の大きさ);
  }
}

void Form1::描画_手数(int 数値, int /*色: the count is always white*/) {
  描画_四角形(手数表示X, 手数表示Y, 手数欄幅, 手数欄高, 背景色);
  const double x = 数値 < 10 ? 手数表示X + 一桁のずれ : 手数表示X;
  描画_数値(x, 手数表示Y, 数値, 色_白, 0, 手数の大きさ);
  // "手目" erases its box after the count is drawn, so whatever of a long count reaches into
  // it (from x = 13.7 on) is erased again.
  描画_文字列(手数表示X + 手目のずれX, 手数表示Y + 手目のずれY, 99, 色_白, 手目の大きさ);
}

void Form1::描画_文字列(double 入力X, double 入力Y, int /*数値: unused*/, int 色, int サイズ) {
  描画_四角形(入力X, 入力Y, 手目欄幅, 手目欄高, 背景色);
  canvas.drawText(桝点X(入力X) + 手目の余白X, 桝点Y(入力Y) + 手目の余白Y, 盤の文("手目"), サイズ,
                  色, 太字);
}

void Form1::描画_移動結果(int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
  const int 側 = 取得_手番(移動駒);
  // A value that belongs to no side has no slot to write in.
  if (側 != 手番_先手 && 側 != 手番_後手) return;
  const double X = 側 == 手番_先手 ? 先手結果X : 後手結果X;
  const double Y = 側 == 手番_先手 ? 先手結果Y : 後手結果Y;

  描画_四角形(X, Y, 結果欄幅, 結果欄高, 背景色);
  描画_移動駒種類(X, Y, 盤サイズ + 1 - 移動先X, 駒色);
  描画_移動駒種類(X + 段の位置, Y, 段の表記基数 + 移動先Y, 駒色);
  描画_移動駒種類(X + 駒名の位置, Y, 移動駒, 駒色);
  canvas.refresh();
}

}  // namespace brenvolt
