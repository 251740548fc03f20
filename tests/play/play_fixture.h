// A loaded window on recording canvas, platform and sound, with helpers that press the mouse
// on squares the way a player does.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/recording_canvas.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_sound.h"
#include "window/form1.h"

namespace brenvolt::testing {

inline void PrintTo(const ShownBox& box, std::ostream* os) {
  *os << "[" << box.title << "] " << box.text;
}

// Hand kinds, as 打つ takes them.
inline constexpr int 歩 = 1, 香 = 2, 桂 = 3, 銀 = 4, 金 = 5, 角 = 6, 飛 = 7, 王 = 8;

class PlayTest : public ::testing::Test {
 protected:
  // Distinct handles so every played sound can be told apart.
  static constexpr int その他 = 101, 禁止 = 102, 駒打 = 103, 終局 = 104, BGM = 105;

  PlayTest() : form(canvas, platform, sound) {
    form.Form_Load();
    form.音_その他 = その他;
    form.音_禁止 = 禁止;
    form.音_駒打 = 駒打;
    form.音_終局 = 終局;
    form.音_BGM = BGM;
    忘れる();
  }

  void 忘れる() {
    canvas.clear();
    platform.boxes.clear();
    sound.calls.clear();
  }

  // A press in the middle of square (x, y); x may be a hand column (-1 or 11).
  void 押す(int x, int y, int button = 左ボタン) {
    form.Form_MouseDown(button, 0, 盤左 + 桝幅 * x + 桝幅 / 2.0, 盤上 + 桝高 * y + 桝高 / 2.0);
  }
  void 指す(int 元X, int 元Y, int 先X, int 先Y, int button = 左ボタン) {
    押す(元X, 元Y);
    押す(先X, 先Y, button);
  }
  // Drops the hand piece of kind 1..8 (歩 .. 王) of the side to move.
  void 打つ(int 種類, int 先X, int 先Y) {
    if (form.局.手番 == 手番_先手)
      押す(先手持駒列, 種類 + 1);
    else
      押す(後手持駒列, 9 - 種類);
    押す(先X, 先Y);
  }

  // Two golds step back and forth on column 5 until the game has `手` moves or has ended.
  void 金を往復させる(int 手) {
    打つ(金, 5, 7);
    打つ(金, 5, 3);
    while (form.局.手数 < 手 && form.局.対局中 == 有) {
      const int n = form.局.手数;  // 2, 3, 4, 5, ... → 先手 up, 後手 down, 先手 back, 後手 back
      const bool 先手 = n % 2 == 0;
      const bool 行き = n % 4 >= 2;
      if (先手)
        行き ? 指す(5, 7, 5, 6) : 指す(5, 6, 5, 7);
      else
        行き ? 指す(5, 3, 5, 4) : 指す(5, 4, 5, 3);
      ASSERT_EQ(form.局.手数, n + 1) << "move " << n + 1 << " was refused";
      canvas.clear();
    }
  }

  std::vector<ShownBox> 箱() const { return platform.boxes; }
  ShownBox 箱(const std::string& text, const std::string& title) const {
    return {text, title, BoxIcon::None};
  }
  int 鳴った(int handle) const {
    const auto p = sound.played();
    return static_cast<int>(std::count(p.begin(), p.end(), handle));
  }
  bool 書いた(const std::string& text) const {
    const auto t = canvas.texts();
    return std::find(t.begin(), t.end(), text) != t.end();
  }
  // From the start of a two-person game: 先手 drops a five on row 5 from the left while 後手
  // drops apart where it never lines up. 先手 wins with the ninth move, at (5, 5).
  void 先手が五つ並べて勝つ() {
    const int 先手の駒[] = {1, 1, 5, 6, 7};  // 歩 歩 金 角 飛
    const int 後手の駒[] = {8, 7, 6, 5};     // 王 飛 角 金
    const int 後手のX[] = {9, 7, 9, 7};
    const int 後手のY[] = {1, 1, 4, 4};
    for (int i = 0; i < 5; ++i) {
      打つ(先手の駒[i], i + 1, 5);
      if (i < 4) 打つ(後手の駒[i], 後手のX[i], 後手のY[i]);
    }
  }
  void 盤を空に() {
    for (auto& 列 : form.局.盤面) 列.fill(空);
  }

  RecordingCanvas canvas;
  RecordingPlatform platform;
  RecordingSound sound;
  Form1 form;
};

}  // namespace brenvolt::testing
