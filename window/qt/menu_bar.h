// The game's menu bar: every item carries its object name and caption, and choosing an item
// calls the window object's handler of the same name.
#pragma once

#include <QMenuBar>

namespace brenvolt {

class Form1;
class QtPlatform;

// Fills `bar` and ties each item to `form`. Check marks are kept by `platform`: an item never
// toggles its own mark, only the handler does, through the platform.
void メニューを作る(QMenuBar& bar, Form1& form, QtPlatform& platform);

}  // namespace brenvolt
