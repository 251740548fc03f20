// The player's choices kept in the settings: the remembered ones are put on a window as it
// starts, and each change the player makes is written as it is made (the game ends its process
// at once, with no chance to write at exit). A window without one starts and stays classic.
#pragma once

#include "window/qt/main_window.h"
#include "window/qt/settings.h"

namespace brenvolt {

class RememberedChoices {
 public:
  RememberedChoices(MainWindow& window, Settings& settings);

  // After Form_Load_画面 and before a record opened at start-up (whose level wins): the level,
  // move guidance, the promotion question, the analysis, the panel and the record dialogs' folder
  // as remembered, and whether the music starts and the no-sound box shows when the sounds load.
  // The language and the size are the program's to set, since its command line wins over the
  // settings.
  void applyAtStart();
  // After Form_Load_音: a no-sound box just shown is never shown again; from now on every
  // choice the player makes is written.
  void keepChanges();

 private:
  void formChoiceMade();

  MainWindow& window_;
  Settings& settings_;
  選択 written_;
};

}  // namespace brenvolt
