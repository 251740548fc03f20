// Music switching and shutdown of the window.
#include "window/form1.h"

namespace brenvolt {

// The check mark of "BGM" is the only record of whether the music is on.
void Form1::処理_BGM() {
  if (platform.menuChecked("BGM")) {
    platform.setMenuChecked("BGM", false);
    ds.dsStop(音_BGM);
  } else {
    platform.setMenuChecked("BGM", true);
    ds.dsPlayLooping(音_BGM);
  }
  if (選択変更時) 選択変更時();
}

void Form1::BGM_Click() {
  処理_BGM();
}

void Form1::Form_KeyDown(int KeyCode) {
  if (KeyCode == キー_Esc)
    処理_終了();
  else if (KeyCode == キー_F1)
    処理_BGM();
}

void Form1::Form_Unload() {
  処理_終了();
}

// Quitting may close the window and so come back here through Form_Unload: the handles are
// cleared as they are freed, so a second pass frees nothing twice. A search still running is
// stopped first; its answer is dropped. A game still running is kept for the next run.
void Form1::処理_終了() {
  思考を取り消す();
  検討.set_on(false);
  振り返り.cancel();
  前回の対局を書く();
  for (int* 緩衝 : {&音_その他, &音_禁止, &音_駒打, &音_終局, &音_BGM}) {
    ds.dsFree(*緩衝);
    *緩衝 = 0;
  }
  音.音_解放();
  platform.quit();
}

}  // namespace brenvolt
