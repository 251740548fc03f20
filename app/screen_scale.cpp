#include "app/screen_scale.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "window/qt/surface.h"

namespace brenvolt {

namespace {

// Qt's base: 96 dots per inch is a device pixel ratio of 1.
constexpr double 基準のDPI = 96.0;

// Lowers the variable `name` to `largest` when it holds a larger number; the line saying so.
std::vector<std::string> 限る(const char* name, double largest) {
  const char* value = std::getenv(name);
  if (value == nullptr) return {};
  char* end = nullptr;
  const double number = std::strtod(value, &end);
  if (end == value || *end != '\0' || !(number > largest)) return {};
  std::ostringstream line;
  line << "brenvolt: " << name << '=' << value << " is out of range; using " << largest;
  std::ostringstream bound;
  bound << largest;
  ::setenv(name, bound.str().c_str(), 1);
  return {line.str()};
}

}  // namespace

std::vector<std::string> 画面倍率の環境を限る() {
  std::vector<std::string> lines = 限る("QT_SCALE_FACTOR", 最大画素比);
  for (std::string& line : 限る("QT_FONT_DPI", 基準のDPI * 最大画素比)) lines.push_back(line);
  return lines;
}

}  // namespace brenvolt
