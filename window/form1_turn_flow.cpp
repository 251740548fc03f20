// The two-click turn flow: the first press chooses a piece on the board or in the own hand,
// the second names its destination; an accepted move is recorded, shown, judged and passes the
// turn (or lets the computer reply).
#include <cmath>

#include "game/board_square.h"
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

const char* 手番の文(int 側) {
  if (側 == 手番_先手) return "先手の番です";
  if (側 == 手番_後手) return "後手の番です";
  return nullptr;
}

}  // namespace

void Form1::Form_MouseDown(int Button, int /*Shift*/, double X, double Y) {
  // While the computer thinks about its move the board takes no press. A press drops a hint
  // still being worked out and erases one shown, and the lines of a refused move.
  if (COM思考中()) return;
  思考を取り消す();
  禁手の線を消す();
  if (局.対局中 == 無) {
    ds.dsPlay(音_禁止);
    platform.messageBox(箱の文("「対局」で始めて下さい"), 箱の文("開始"), BoxIcon::None);
    return;
  }
  if (試合.COMの番()) {
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
  if (!盤上の桝(桝列, 桝行))
    盤外クリック(桝列, 桝行);
  else if (入力段階 == 0)
    盤クリック_駒選択(桝列, 桝行);
  else if (入力段階 == 1)
    盤クリック_行き先(Button, 桝列, 桝行);
}

void Form1::盤クリック_駒選択(int 桝列, int 桝行) {
  const int 駒 = 局.盤面[桝列][桝行];
  if (駒 == 空 || 調査_駒(局.手番, 駒) == 無) {
    if (const char* 文 = 手番の文(局.手番))
      platform.messageBox(箱の文(文), 箱の文("開始"), BoxIcon::None);
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
  // Only the right button promotes, so under any other a piece that would have no move left
  // is refused.
  const 成り方 成り = Button == 右ボタン ? 成り方::成れれば成る : 成り方::成らない;
  着手判定の答え 答え = 着手判定(局, 指手[1], 指手[2], 指手[3], 指手[4], 指手[6], 成り);
  if (答え.結果 == 判定::可 && Button != 右ボタン && 成りを確認) 答え = 成るか尋ねる(答え);
  if (答え.結果 == 判定::三三 || 答え.結果 == 判定::四四) 禁手の線を示す(答え.結果);
  if (!判定を伝える(答え.結果)) return;
  // A running game never reaches the bound here (the move that reaches it ends the game), but
  // a move must never be played without its place in the record.
  if (手数上限(局)) {
    引き分け();
    return;
  }
  手順保存(指手[1], 指手[2], 指手[3], 指手[4], 指手[6], 局.盤面[指手[3]][指手[4]]);
  // The count the move brings is shown before the board changes: the guidance erased below
  // still reads the board as it was.
  描画_手数(局.手数 + 1, 色_白);
  指手[6] = 答え.手.置駒;
  記録.記録_先駒変更(指手[6]);
  入力段階 = 0;
  描画_桝輪郭(消去色, 指手[1], 指手[2]);
  描画_桝輪郭(消去色, 指手[3], 指手[4]);
  描画_移動可能桝色(指手[1], 指手[2], 消去色, 指手[6]);
  const 着手の結果 結果 = 試合.実行(答え.手);
  描画_駒移動(指手[1], 指手[2], 指手[3], 指手[4], 指手[6]);
  ds.dsPlay(音_駒打);
  描画_移動結果(指手[3], 指手[4], 指手[6], 結果色);
  人間の着手後(結果);
}

// Asked only where the piece may arrive either way: where it must promote, the plain move was
// refused already, and where it cannot, there is nothing to ask.
着手判定の答え Form1::成るか尋ねる(const 着手判定の答え& 成らない答え) {
  const 着手判定の答え 成る答え =
      着手判定(局, 指手[1], 指手[2], 指手[3], 指手[4], 指手[6], 成り方::成る);
  if (成る答え.結果 != 判定::可) return 成らない答え;
  const bool 成る = platform.twoChoiceBox(箱の文("成りますか？"), 箱の文("成り"), 箱の文("成る"),
                                          箱の文("成らない"));
  return 成る ? 成る答え : 成らない答え;
}

bool Form1::判定を伝える(判定 結果) {
  switch (結果) {
    case 判定::可:
      return true;
    case 判定::対局なし:
      // Form_MouseDown answers a press when no game runs before any square is read.
      return false;
    case 判定::不可:
      ds.dsPlay(音_禁止);
      return false;
    case 判定::三三:
      ds.dsPlay(音_禁止);
      platform.messageBox(箱の文("3 * 3 です！打てません"), そのまま("Brenvolt"), BoxIcon::None);
      return false;
    case 判定::四四:
      ds.dsPlay(音_禁止);
      platform.messageBox(箱の文("4 * 4 です！打てません"), そのまま("Brenvolt"), BoxIcon::None);
      return false;
    case 判定::成り:
      ds.dsPlay(音_禁止);
      platform.messageBox(箱の文("マウスの右をクリックして下さい"), 箱の文("成り"), BoxIcon::None);
      return false;
  }
  return false;
}

// The turn has already passed to the other side; against the computer it replies at once.
void Form1::人間の着手後(const 着手の結果& 結果) {
  if (決着(結果)) return;
  if (試合.対局モード == モード_COM) com_ban();
}

void Form1::盤外クリック(int 桝列, int 桝行) {
  描画_移動可能桝色(指手[1], 指手[2], 消去色, 指手[6]);
  描画_桝輪郭(消去色, 指手[1], 指手[2]);
  const int 持駒列 = 持駒列の(試合.対局モード == モード_COM ? 試合.人間側 : 局.手番);
  if (桝列 != 持駒列 || 桝行 < 1 || 桝行 > 盤サイズ) return;
  if (局.取得_持駒数(局.手番, 桝行) <= 0) {
    ds.dsPlay(音_禁止);
    platform.messageBox(箱の文("駒をクリックて下さい"), 箱の文("開始"), BoxIcon::None);
    return;
  }
  指手[6] = 局.取得_持駒(局.手番, 桝行);
  指手[1] = 持駒列;
  指手[2] = 桝行;
  局.調査_2歩フラグ設定();
  入力段階 = 1;
  描画_桝輪郭(色_明赤, 持駒列, 桝行);
  描画_移動可能桝色(指手[1], 指手[2], 指導色, 指手[6]);
}

}  // namespace brenvolt
