#include "window/form1.h"

#include <utility>

#include "window/text_areas.h"

namespace brenvolt {

namespace {

// The window's outer placement in twips. A window already standing at the top edge keeps the
// placement and size it has.
constexpr int 窓左 = -60;
constexpr int 窓上 = -60;
constexpr int 窓幅 = 9000;
constexpr int 窓高 = 8000;

// The title picture's place, in square units.
constexpr double 題字X = 11.3;
constexpr double 題字Y = 0;

// Copies kept for one-shot effects; the music plays alone.
constexpr int 効果音の重複数 = 3;
constexpr int 音楽の重複数 = 1;

}  // namespace

Form1::Form1(Canvas& 画面, Platform& 窓, SoundLibrary& 音源,
             std::vector<std::filesystem::path> データ置場)
    : 思考(窓),
      検討(窓),
      振り返り(窓),
      canvas(画面),
      platform(窓),
      ds(音源),
      音(
          音源,
          [this](const TranslatableText& 文) {
            platform.messageBox(文, そのまま("Brenvolt.dll"), BoxIcon::Exclamation);
          },
          std::move(データ置場)) {}

void Form1::Form_Load() {
  Form_Load_音();
  Form_Load_画面();
}

void Form1::Form_Load_音() {
  音.音_初期化(platform.windowHandle(), 無音を警告);
  音_その他 = 音.音_読込("その他.wav", 効果音の重複数);
  音_禁止 = 音.音_読込("禁止.wav", 効果音の重複数);
  音_駒打 = 音.音_読込("駒打音.wav", 効果音の重複数);
  音_終局 = 音.音_読込("終局.wav", 効果音の重複数);
  音_BGM = 音.音_読込("BGM.wav", 音楽の重複数);
  if (開始時にBGM) ds.dsPlayLooping(音_BGM);
  platform.setMenuChecked("BGM", 開始時にBGM);
}

void Form1::Form_Load_画面() {
  移動指導 = 0;
  platform.setMenuChecked("SIDOU", false);
  指導色 = 消去色;
  局.手番 = 手番_なし;
  platform.setBackground(背景色);

  描画_桝_数値();
  初期設定();
  描画_絵(題字, 題字X, 題字Y);

  if (platform.windowTop() != 窓上) platform.placeWindow(窓左, 窓上, 窓幅, 窓高);
}

void Form1::初期設定() {
  思考を取り消す();
  試合.初期設定();
  入力段階 = 0;

  描画_局面();
}

// Both hand stands and the board as the state holds them, and the move count and the two
// last-move slots cleared.
void Form1::描画_局面() {
  描画_黒持盤();
  描画_白持盤();
  描画_盤();
  描画_四角形(手数表示X, 手数表示Y, 手数欄幅, 手数欄高, 背景色);
  描画_四角形(先手結果X, 先手結果Y, 結果欄幅, 結果欄高, 背景色);
  描画_四角形(後手結果X, 後手結果Y, 結果欄幅, 結果欄高, 背景色);
}

void Form1::駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  局.駒移動(移動元X, 移動元Y, 移動先X, 移動先Y, 移動駒);
  描画_駒移動(移動元X, 移動元Y, 移動先X, 移動先Y, 移動駒);
}

void Form1::描画_駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  if (移動元X == 後手持駒列) {
    描画_白持盤();
  } else if (移動元X == 先手持駒列) {
    描画_黒持盤();
  } else {
    描画_桝(移動元X, 移動元Y);
  }
  描画_絵(移動駒, 移動先X, 移動先Y);
  描画_桝輪郭(背景色, 移動先X, 移動先Y);
}

}  // namespace brenvolt
