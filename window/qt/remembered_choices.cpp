#include "window/qt/remembered_choices.h"

namespace brenvolt {

RememberedChoices::RememberedChoices(MainWindow& window, Settings& settings)
    : window_(window), settings_(settings) {}

void RememberedChoices::applyAtStart() {
  Form1& form = window_.form();
  // The music's check mark is set when the sounds load; nothing is to be switched here.
  form.選択を適用({settings_.level(), settings_.guidance(), form.今の選択().BGM,
                   settings_.askPromotion(), settings_.analysis()});
  form.開始時にBGM = settings_.music();
  form.無音を警告 = !settings_.soundWarningShown();
  window_.platform().setDialogFolder(settings_.folder());
  window_.setPanelShown(settings_.panel());
}

void RememberedChoices::keepChanges() {
  Form1& form = window_.form();
  if (!form.音声装置あり() && form.無音を警告) settings_.setSoundWarningShown();
  written_ = form.今の選択();
  form.選択変更時 = [this] { formChoiceMade(); };
  window_.setChoiceHandlers({[this] { settings_.setLanguage(window_.language().current()); },
                             [this] { settings_.setZoom(window_.surface().scale()); },
                             [this] { settings_.clear(); },
                             [this] { settings_.setPanel(window_.panelShown()); }});
  window_.platform().setFolderHandler(
      [this](const QString& folder) { settings_.setFolder(folder); });
}

void RememberedChoices::formChoiceMade() {
  const 選択 now = window_.form().今の選択();
  if (now.強さ != written_.強さ) settings_.setLevel(now.強さ);
  if (now.移動指導 != written_.移動指導) settings_.setGuidance(now.移動指導);
  if (now.BGM != written_.BGM) settings_.setMusic(now.BGM);
  if (now.成りを確認 != written_.成りを確認) settings_.setAskPromotion(now.成りを確認);
  if (now.検討 != written_.検討) settings_.setAnalysis(now.検討);
  written_ = now;
}

}  // namespace brenvolt
