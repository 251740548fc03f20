// The player's choices as a window keeps them between runs: the computer's level, move
// guidance, the music, the promotion question and the analysis.
#include "window/form1.h"

namespace brenvolt {

選択 Form1::今の選択() const {
  return {思考.level(), 移動指導 == 1, platform.menuChecked("BGM"), 成りを確認, 検討.on()};
}

void Form1::選択を適用(const 選択& 新選択) {
  if (新選択.強さ != 思考.level()) 強さ_選択(新選択.強さ);
  if (新選択.移動指導 != (移動指導 == 1)) SIDOU_Click();
  if (新選択.BGM != platform.menuChecked("BGM")) 処理_BGM();
  if (新選択.成りを確認 != 成りを確認) NARI_Click();
  if (新選択.検討 != 検討.on()) KENTOU_Click();
}

}  // namespace brenvolt
