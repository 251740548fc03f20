// 表示 → 検討: the analysis follows the position on the board and never touches the match.
#include "window/form1.h"

namespace brenvolt {

void Form1::KENTOU_Click() {
  検討.set_on(!検討.on());
  platform.setMenuChecked("KENTOU", 検討.on());
  検討を合わせる();
  if (選択変更時) 選択変更時();
}

// A review running has the processor; the analysis waits for it as for the computer.
void Form1::検討を合わせる() {
  振り返り.follow(試合);
  検討.follow(局, COM思考中() || 振り返り.running());
  最善手の輪郭を合わせる();
}

}  // namespace brenvolt
