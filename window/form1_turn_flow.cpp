// The two-click turn flow: the first press chooses a piece on the board or in the own hand,
// the second names its destination; an accepted move is recorded, shown, judged and passes the
// turn (or lets the computer reply).
#include <cmath>

#include "window/form1.h"

namespace brenvolt {

namespace {

// The square index (board, or -1 / 11 for the hand stands) under a pointer coordinate. Far-off
// or non-finite coordinates land on a value no square has, never outside the int range.
int 桝番号(double 位置, int 原点, int 幅) {
  const double 番号 = std::floor((位置 - 原点) / 幅);
  if (!std::isfinite(番号) || 番号 < -100 || 番号 > 100) return -100;
  return static_cast<int>(番号);
}

int 持駒列の(int 側) {
  return 側 == 手番_先手 ? 先手持駒列 : 後手持駒列;
}

const char* 手番の文(int 側) {
  if (側 == 手番_先手) return "先手の番です";
  if (側 == 手番_後手) return "後手の番です";
  return nullptr;
}

}  // namespace

void Form1::Form_MouseDown(int Button, int /*Shift*/, double X, double Y) {
  if (対局中 == 無) {
    ds.dsPlay(音_禁止);
    platform.messageBox("「対局」で始めて下さい", "開始", BoxIcon::None);
    return;
  }
  if (対局モード == モード_COM && 手番 == COM側) {
    com_ban();
    return;
  }
  const int 桝列 = 桝番号(X, 盤左, 桝幅);
  const int 桝行 = 桝番号(Y, 盤上, 桝高);
  if (Button == 右ボタン && 桝列 == 指手[1] && 桝行 == 指手[2]) {
    入力段階 = 0;
    全輪郭クリア();
    return;
  }
  const bool 盤内 = 桝列 >= 1 && 桝列 <= 盤サイズ && 桝行 >= 1 && 桝行 <= 盤サイズ;
  if (!盤内)
    盤外クリック(桝列, 桝行);
  else if (入力段階 == 0)
    盤クリック_駒選択(桝列, 桝行);
  else if (入力段階 == 1)
    盤クリック_行き先(Button, 桝列, 桝行);
}

void Form1::盤クリック_駒選択(int 桝列, int 桝行) {
  const int 駒 = 盤面[桝列][桝行];
  if (駒 == 空 || 調査_駒(手番, 駒) == 無) {
    if (const char* 文 = 手番の文(手番)) platform.messageBox(文, "開始", BoxIcon::None);
    return;
  }
  指手[1] = 桝列;
  指手[2] = 桝行;
  指手[6] = 駒;
  描画_移動可能桝色(桝列, 桝行, 指導色, 駒);
  入力段階 = 1;
  描画_桝輪郭(色_明赤, 桝列, 桝行);
}

void Form1::盤クリック_行き先(int Button, int 桝列, int 桝行) {
  指手[3] = 桝列;
  指手[4] = 桝行;
  調査_2歩フラグ設定();
  if (移動チェック(指手[1], 指手[2], 指手[3], 指手[4], 指手[6]) == 無) {
    ds.dsPlay(音_禁止);
    return;
  }
  if (調査_三三(指手[1], 指手[2], 指手[3], 指手[4], 手番, 指手[6]) == 有) {
    ds.dsPlay(音_禁止);
    platform.messageBox("3 * 3 です！打てません", "Brenvolt", BoxIcon::None);
    return;
  }
  if (調査_四四(指手[1], 指手[2], 指手[3], 指手[4], 手番, 指手[6]) == 有) {
    ds.dsPlay(音_禁止);
    platform.messageBox("4 * 4 です！打てません", "Brenvolt", BoxIcon::None);
    return;
  }
  // Only the right button promotes, so any other button would leave a piece that can never
  // move again.
  if (移動後チェック(指手[4], 指手[6]) == 無 && Button != 右ボタン) {
    ds.dsPlay(音_禁止);
    platform.messageBox("マウスの右をクリックして下さい", "成り", BoxIcon::None);
    return;
  }
  // A running game never has a full record (the move that fills it ends the game), but a move
  // must never be played without its place in the record.
  if (記録_満杯()) {
    引き分け();
    return;
  }
  手順保存(指手[1], 指手[2], 指手[3], 指手[4], 指手[6], 盤面[指手[3]][指手[4]]);
  ++手数;
  描画_手数(手数, 色_白);
  const int 成れる = 調査_駒成(指手[1], 指手[2], 指手[3], 指手[4], 指手[6]);
  if (Button == 右ボタン && 成れる == 有) 指手[6] = 成駒;
  記録_先駒変更(指手[6]);
  入力段階 = 0;
  描画_桝輪郭(消去色, 指手[1], 指手[2]);
  描画_桝輪郭(消去色, 指手[3], 指手[4]);
  描画_移動可能桝色(指手[1], 指手[2], 消去色, 指手[6]);
  駒移動(指手[1], 指手[2], 指手[3], 指手[4], 指手[6]);
  ds.dsPlay(音_駒打);
  描画_移動結果(指手[3], 指手[4], 指手[6], 結果色);
  人間の着手後();
}

void Form1::人間の着手後() {
  if (五並び決着(手番, 指手[1], 指手[2], 指手[3], 指手[4])) return;
  if (記録_満杯()) {
    引き分け();
    return;
  }
  if (対局モード == モード_COM) {
    com_ban();
  } else if (手番 == 手番_先手) {
    手番 = 手番_後手;
  } else if (手番 == 手番_後手) {
    手番 = 手番_先手;
  }
}

void Form1::盤外クリック(int 桝列, int 桝行) {
  描画_移動可能桝色(指手[1], 指手[2], 消去色, 指手[6]);
  描画_桝輪郭(消去色, 指手[1], 指手[2]);
  const int 持駒列 = 持駒列の(対局モード == モード_COM ? 人間側 : 手番);
  if (桝列 != 持駒列 || 桝行 < 1 || 桝行 > 盤サイズ) return;
  if (取得_持駒数(手番, 桝行) <= 0) {
    ds.dsPlay(音_禁止);
    platform.messageBox("駒をクリックて下さい", "開始", BoxIcon::None);
    return;
  }
  指手[6] = 取得_持駒(手番, 桝行);
  指手[1] = 持駒列;
  指手[2] = 桝行;
  調査_2歩フラグ設定();
  入力段階 = 1;
  描画_桝輪郭(色_明赤, 持駒列, 桝行);
  描画_移動可能桝色(指手[1], 指手[2], 指導色, 指手[6]);
}

}  // namespace brenvolt
