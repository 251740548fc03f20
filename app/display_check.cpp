#include "app/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace brenvolt {

namespace {

constexpr const char* 表示なしの案内 =
    "brenvolt: cannot open a window: no display found (set DISPLAY, or run with "
    "QT_QPA_PLATFORM=offscreen for --screenshot)";

void 起動時の通知(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", 表示なしの案内);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
  }
  // The platform plugin's complaints lead up to the fatal message above; anything else is
  // passed through.
  if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

std::optional<std::string> 表示先がない理由(const std::string& platform, const std::string& display,
                                            const std::string& waylandDisplay) {
  const bool usesX = platform.empty() || platform.rfind("xcb", 0) == 0;
  const bool usesWayland = platform.rfind("wayland", 0) == 0;
  if (usesX && display.empty() && (platform == "xcb" || waylandDisplay.empty())) {
    return 表示なしの案内;
  }
  if (usesWayland && waylandDisplay.empty()) return 表示なしの案内;
  return std::nullopt;
}

void 表示失敗を見張る() {
  qInstallMessageHandler(起動時の通知);
}

void 見張りをやめる() {
  qInstallMessageHandler(nullptr);
}

}  // namespace brenvolt
