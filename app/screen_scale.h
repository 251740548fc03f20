// The environment variables through which Qt scales the window, bounded before Qt starts.
#pragma once

#include <string>
#include <vector>

namespace brenvolt {

// Qt takes the screen's device pixel ratio from QT_SCALE_FACTOR and QT_FONT_DPI as it starts,
// and keeps the window's pixels at that ratio; a value past what any screen has
// (QT_FONT_DPI=100000) would have it keep gigabytes. Each one above the largest ratio the
// window draws at is lowered to it in the environment. Returns a line for standard error for
// each variable lowered. Call before the Qt application is made.
std::vector<std::string> 画面倍率の環境を限る();

}  // namespace brenvolt
