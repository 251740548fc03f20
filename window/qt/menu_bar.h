// The game's menu bar: every item carries its object name and caption, and choosing an item
// calls the window object's handler of the same name. Beside the game's own items, "ｵﾌﾟｼｮﾝ"
// holds the window's: zoom in, zoom out, the classic size, full screen, the language, and
// restoring the classic settings; "表示" opens and closes the panel beside the board; and
// "ヘルプ", last on the bar, opens the How to play window.
#pragma once

#include <QMenuBar>
#include <functional>

namespace brenvolt {

class Form1;
class Language;
class QtPlatform;

// What the window's own items do; the main window gives them.
struct 窓の操作 {
  std::function<void()> zoomIn;
  std::function<void()> zoomOut;
  std::function<void()> classicSize;
  std::function<void()> fullScreen;
  std::function<void()> switchLanguage;
  std::function<void()> howToPlay;
  std::function<void()> restoreSettings;
  std::function<void()> panel;
  std::function<void()> review;
};

// Fills `bar` and ties each item to `form`. Check marks are kept by `platform`: an item never
// toggles its own mark, only the handler does, through the platform. Captions are the
// Japanese ones; メニューを訳す shows them in another language.
void メニューを作る(QMenuBar& bar, Form1& form, QtPlatform& platform, const 窓の操作& window);

// Shows the caption of every item under `root` in the language in use.
void メニューを訳す(QWidget& root, const Language& language);

}  // namespace brenvolt
