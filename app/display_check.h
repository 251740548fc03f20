// Starting without a display: a one-line message and a non-zero exit instead of Qt's abort.
#pragma once

#include <optional>
#include <string>

namespace brenvolt {

// Why no window can be opened with this environment, judged before Qt starts, or nothing when
// a display may be there: the platform plugin `platform` (QT_QPA_PLATFORM, empty when unset)
// and the DISPLAY and WAYLAND_DISPLAY variables.
std::optional<std::string> 表示先がない理由(const std::string& platform, const std::string& display,
                                            const std::string& waylandDisplay);

// From now until Qt has started, a failure of Qt to open any display ends the program with a
// one-line message and exit status 1 instead of Qt's abort.
void 表示失敗を見張る();
// Back to Qt's usual messages once the application object stands.
void 見張りをやめる();

}  // namespace brenvolt
