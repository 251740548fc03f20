// The board, the two hand stands and the square outlines that mark highlights.
#include "game/piece_table.h"
#include "window/form1.h"
#include "window/square_units.h"

namespace brenvolt {

namespace {

// Hand stands: 先手's kinds run down column 11 from row 2, 後手's up column -1 from row 8, each
// with its counts in the column towards the board.
constexpr double 先手持駒数の列 = 12;
constexpr double 後手持駒数の列 = 0;
constexpr double 持駒数の下げ = 0.2;
constexpr int 先手持駒数欄幅 = 500;
// Five twips short of the board's left edge.
constexpr int 後手持駒数欄幅 = 490;
constexpr int 持駒数欄高 = 5000;
constexpr int 持駒数の大きさ = 14;

}  // namespace

void Form1::描画_絵(int 駒種類, double 座標X, double 座標Y) {
  const auto 絵 = 駒の絵(駒種類);
  if (!絵) return;
  canvas.drawPicture(*絵, 桝点X(座標X), 桝点Y(座標Y));
}

void Form1::描画_桝(double 座標X, double 座標Y) {
  canvas.drawPicture(PictureId::KARA_MASU, 桝点X(座標X), 桝点Y(座標Y));
  描画_桝輪郭(背景色, 座標X, 座標Y);
}

void Form1::描画_盤() {
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const int 駒 = 盤面[x][y];
      if (駒 == 空) {
        描画_桝(x, y);
      } else {
        描画_絵(駒, x, y);
        描画_桝輪郭(背景色, x, y);
      }
    }
  }
}

void Form1::描画_黒持盤() {
  描画_四角形(先手持駒数の列, 2, 先手持駒数欄幅, 持駒数欄高, 背景色);
  for (int 種類 = 1; 種類 <= 持駒種類数; ++種類) {
    const int 行 = 持駒の段(手番_先手, 種類);
    描画_桝(先手持駒列, 行);
    const int 数 = 先手持駒数[種類];
    if (数 > 0) {
      描画_絵(種類の駒(手番_先手, 種類), 先手持駒列, 行);
      描画_桝輪郭(背景色, 先手持駒列, 行);
      描画_数値(先手持駒数の列, 行 + 持駒数の下げ, 数, 色_明赤, 0, 持駒数の大きさ);
    }
  }
}

void Form1::描画_白持盤() {
  描画_四角形(後手持駒数の列, 1, 後手持駒数欄幅, 持駒数欄高, 背景色);
  for (int 行 = 1; 行 <= 持駒種類数; ++行) {
    const int 種類 = 段の持駒スロット(手番_後手, 行);
    描画_桝(後手持駒列, 行);
    const int 数 = 後手持駒数[種類];
    if (数 > 0) {
      描画_絵(種類の駒(手番_後手, 種類), 後手持駒列, 行);
      描画_桝輪郭(背景色, 後手持駒列, 行);
      描画_数値(後手持駒数の列, 行 + 持駒数の下げ, 数, 色_明赤, 0, 持駒数の大きさ);
    }
  }
}

void Form1::描画_将棋盤桝() {
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) 描画_桝輪郭(消去色, x, y);
  }
}

void Form1::全輪郭クリア() {
  for (int i = 1; i <= 持駒種類数; ++i) {
    描画_桝輪郭(背景色, 先手持駒列, i + 1);
    描画_桝輪郭(背景色, 後手持駒列, i);
  }
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) 描画_桝輪郭(背景色, x, y);
  }
}

}  // namespace brenvolt
