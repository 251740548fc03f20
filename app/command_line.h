// The program's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/qt/zoom_limits.h"

namespace brenvolt {

struct 起動設定 {
  std::optional<std::string> screenshot;     // write the window's picture here and end
  std::optional<std::string> position;       // a position in the engine's notation to show
  std::optional<std::string> record;         // a record file to open at start-up
  std::optional<std::string> review;         // a record file to review on standard output and end
  std::optional<std::uint64_t> reviewNodes;  // the review's budget per position, in nodes
  // "ja" or "en" when given; without it the remembered language, else Japanese (whatever the
  // locale).
  std::optional<std::string> language;
  // The window's size when given, 1 for the classic size; without it the remembered size.
  std::optional<double> scale;
  bool panel = false;                // open the panel beside the board (for this run)
  bool analysis = false;             // with --screenshot: show the analysis of the position
  bool quitAfterFirstPaint = false;  // for timing the start-up
  bool help = false;
  bool version = false;
  std::string error;  // not empty when the command line cannot be used
};

// Reads `arguments` (without the program name). Qt's own options (-platform, -style, ...) are
// left for Qt and skipped here; the one argument that is no option names a record to open.
起動設定 コマンド行を読む(const std::vector<std::string>& arguments);

// The usage text printed by --help and after a wrong command line.
std::string 使い方();

}  // namespace brenvolt
