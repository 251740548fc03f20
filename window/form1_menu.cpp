// The menu commands that start games, swap sides against the computer, switch move guidance
// and the promotion question, show the version and end the program.
#include "window/form1.h"

namespace brenvolt {

namespace {

constexpr const char* 途中変更不可 = "対局相手の途中変更は不可";
constexpr const char* 最初にして = "  局面 → 最初にして下さい";

}  // namespace

// A swap erases every outline, the chosen piece's too, and drops the choice with it: the piece
// belonged to the person's old side, so a press after the swap starts a new choice.
//
// A search or a hint for the old sides is dropped. After the sides are swapped the computer
// replies at once, but only when its new side is the one to move: after a take-back the person's
// new side may be to move, and the computer must not move twice in a row.
void Form1::側を交代(int 人間の側) {
  思考を取り消す();
  全輪郭クリア();
  入力段階 = 0;
  試合.COM対局の側(人間の側);
  if (局.手番 == 試合.COM側) com_ban();
}

void Form1::START_Click() {
  if (局.対局なし()) {
    初期設定();
    前回の対局を消す();
    試合.対局モード = モード_人間;
    試合.人間側 = 手番_先手;
    試合.COM側 = 手番_後手;
    局.手番 = 手番_先手;
    局.対局中 = 有;
    platform.messageBox(箱の文("先手の番です"), そのまま(" "), BoxIcon::None);
  } else if (試合.対局モード == モード_COM) {
    platform.messageBox(箱の文(最初にして), 箱の文(途中変更不可), BoxIcon::None);
  } else if (局.手番 == 手番_先手) {
    platform.messageBox(箱の文("先手の番です"), そのまま(" "), BoxIcon::None);
  } else if (局.手番 == 手番_後手) {
    platform.messageBox(箱の文("後手の番です"), そのまま(" "), BoxIcon::None);
  }
}

void Form1::SENTE_Click() {
  if (局.対局なし()) {
    初期設定();
    前回の対局を消す();
    試合.COM対局の側(手番_先手);
    局.手番 = 手番_先手;
    局.対局中 = 有;
    platform.messageBox(箱の文("先手の番です"), そのまま(" "), BoxIcon::None);
  } else if (試合.対局モード == モード_人間) {
    platform.messageBox(箱の文(最初にして), 箱の文(途中変更不可), BoxIcon::None);
  } else if (試合.人間側 == 手番_先手) {
    platform.messageBox(箱の文("先手の番です"), そのまま(" "), BoxIcon::None);
  } else if (試合.人間側 == 手番_後手) {
    側を交代(手番_先手);
  }
}

void Form1::GOTE_Click() {
  if (局.対局なし()) {
    初期設定();
    前回の対局を消す();
    試合.COM対局の側(手番_後手);
    局.手番 = 手番_先手;
    局.対局中 = 有;
    com_ban();
  } else if (試合.対局モード == モード_人間) {
    platform.messageBox(箱の文(最初にして), 箱の文(途中変更不可), BoxIcon::None);
  } else if (試合.人間側 == 手番_先手) {
    側を交代(手番_後手);
  } else if (試合.人間側 == 手番_後手) {
    platform.messageBox(箱の文("後手の番です"), そのまま(" "), BoxIcon::None);
  }
}

// The item only opens its submenu.
void Form1::MATCH_MAN_Click() {}

void Form1::OWARI_Click() {
  処理_終了();
}

void Form1::SIDOU_Click() {
  if (platform.menuChecked("SIDOU")) {
    for (int x = 1; x <= 盤サイズ; ++x)
      for (int y = 1; y <= 盤サイズ; ++y) 描画_桝輪郭(消去色, x, y);
    // The 歩 cells of the hand stands keep their outlines.
    for (int y = 1; y <= 7; ++y) 描画_桝輪郭(消去色, 後手持駒列, y);
    for (int y = 3; y <= 9; ++y) 描画_桝輪郭(消去色, 先手持駒列, y);
    platform.setMenuChecked("SIDOU", false);
    移動指導 = 0;
    指導色 = 消去色;
  } else {
    platform.setMenuChecked("SIDOU", true);
    移動指導 = 1;
    指導色 = 色_白;
  }
  if (選択変更時) 選択変更時();
}

void Form1::NARI_Click() {
  成りを確認 = !成りを確認;
  platform.setMenuChecked("NARI", 成りを確認);
  if (選択変更時) 選択変更時();
}

void Form1::VER_Click() {
  ds.dsPlay(音_その他);
  // Each carriage return is a line break in the message box.
  platform.messageBox(そのまま("  Version 0.93\r\rHarrowick 1999.01"), そのまま("Brenvolt"),
                      BoxIcon::None);
}

}  // namespace brenvolt
