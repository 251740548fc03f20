// A refused double three or double four on the board: the lines that make it are outlined
// while its box is shown, and stay until the next press.
#include "window/form1.h"

namespace brenvolt {

void Form1::禁手の線を示す(判定 結果) {
  const std::vector<桝の並び> 線 =
      結果 == 判定::三三 ? 局.三三の線(指手[1], 指手[2], 指手[3], 指手[4], 局.手番, 指手[6])
                         : 局.四四の線(指手[1], 指手[2], 指手[3], 指手[4], 局.手番, 指手[6]);
  for (const 桝の並び& 並び : 線) {
    for (const auto& [x, y] : 並び) {
      描画_桝輪郭(禁手色, x, y);
      禁手の桝.emplace_back(x, y);
    }
  }
  // The box that follows is modal: the lines must be on the screen before it opens.
  canvas.refresh();
}

void Form1::禁手の線を消す() {
  if (禁手の桝.empty()) return;
  for (const auto& [x, y] : 禁手の桝) 描画_桝輪郭(消去色, x, y);
  禁手の桝.clear();
  // The destination was one of the squares guidance outlined.
  選んだ駒の印を描く();
}

void Form1::選んだ駒の印を描く() {
  if (入力段階 != 1) return;
  if (移動指導 == 1) 描画_移動可能桝色(指手[1], 指手[2], 指導色, 指手[6]);
  描画_桝輪郭(色_明赤, 指手[1], 指手[2]);
}

}  // namespace brenvolt
