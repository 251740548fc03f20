// 表示 → 検討: the analysis follows the position on the board and never touches the match.
#include "window/form1.h"

namespace brenvolt {

void Form1::KENTOU_Click() {
  検討.set_on(!検討.on());
  platform.setMenuChecked("KENTOU", 検討.on());
  検討を合わせる();
  if (選択変更時) 選択変更時();
}

void Form1::検討を合わせる() {
  検討.follow(局, COM思考中());
}

}  // namespace brenvolt
