// The board, the two hand stands and the square outlines that mark highlights.
#include "game/piece_table.h"
#include "window/form1.h"

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

// Every square's outline goes, the best moves' too: the next 最善手の輪郭を合わせる draws
// them again.
void Form1::描画_盤() {
  検討の輪郭.reset();
  振り返りの輪郭.reset();
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const int 駒 = 局.盤面[x][y];
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
  描画_持駒台(手番_先手, 先手持駒数の列, 先手持駒数欄幅);
}

void Form1::描画_白持盤() {
  描画_持駒台(手番_後手, 後手持駒数の列, 後手持駒数欄幅);
}

// The stand's count column is erased from the stand's first row down, then each row is drawn
// from the top: an empty square, and the piece with its count when the side holds any.
void Form1::描画_持駒台(int 側, double 数の列, int 数の欄幅) {
  const int 最初の段 = 持駒台の最初の段(側);
  const int 台の列 = 持駒列の(側);
  const 持駒& 持ち数 = 側 == 手番_先手 ? 局.先手持駒数 : 局.後手持駒数;
  描画_四角形(数の列, 最初の段, 数の欄幅, 持駒数欄高, 背景色);
  for (int 行 = 最初の段; 行 < 最初の段 + 持駒種類数; ++行) {
    const int 種類 = 段の持駒スロット(側, 行);
    描画_桝(台の列, 行);
    const int 数 = 持ち数[種類];
    if (数 > 0) {
      描画_絵(種類の駒(側, 種類), 台の列, 行);
      描画_桝輪郭(背景色, 台の列, 行);
      描画_数値(数の列, 行 + 持駒数の下げ, 数, 色_明赤, 0, 持駒数の大きさ);
    }
  }
}

void Form1::描画_将棋盤桝() {
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) 描画_桝輪郭(消去色, x, y);
  }
}

// As 描画_盤, it takes the best moves' outlines with it.
void Form1::全輪郭クリア() {
  検討の輪郭.reset();
  振り返りの輪郭.reset();
  for (int i = 1; i <= 持駒種類数; ++i) {
    描画_桝輪郭(背景色, 先手持駒列, i + 1);
    描画_桝輪郭(背景色, 後手持駒列, i);
  }
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) 描画_桝輪郭(背景色, x, y);
  }
}

}  // namespace brenvolt
