// A Form1 over recording canvas, platform and sound library, with helpers that read back what
// was drawn in square units.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "tests/support/recording_canvas.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_sound.h"
#include "window/form1.h"

namespace brenvolt::testing {

inline double 点X(double x) {
  return 盤左 + x * 桝幅;
}
inline double 点Y(double y) {
  return 盤上 + y * 桝高;
}

inline bool 同じ位置(const DrawCall& c, double x, double y) {
  return std::abs(c.x - 点X(x)) < 1e-6 && std::abs(c.y - 点Y(y)) < 1e-6;
}

// Is this call the erasing of a box of w x h twips at square position (x, y)?
inline bool 消した箱(const DrawCall& c, double x, double y, double w, double h) {
  return c.kind == DrawCall::Fill && 同じ位置(c, x, y) && c.w == w && c.h == h &&
         c.colour == 背景色;
}

class Form1Test : public ::testing::Test {
 protected:
  RecordingCanvas canvas;
  RecordingPlatform platform;
  RecordingSound sound;
  Form1 form{canvas, platform, sound};

  // The colour of the last outline drawn around square (x, y), if any.
  std::optional<int> 最後の輪郭色(int x, int y) const {
    std::optional<int> 色;
    for (const auto& c : canvas.of(DrawCall::Outline))
      if (同じ位置(c, x, y) && c.w == 桝幅 && c.h == 桝高) 色 = c.colour;
    return 色;
  }

  // Every square outlined in another colour than the background by the recorded calls.
  std::map<std::pair<int, int>, int> 色付き輪郭() const {
    std::map<std::pair<int, int>, int> 最後;
    for (const auto& c : canvas.of(DrawCall::Outline)) {
      const int x = static_cast<int>(std::lround((c.x - 盤左) / 桝幅));
      const int y = static_cast<int>(std::lround((c.y - 盤上) / 桝高));
      最後[{x, y}] = c.colour;
    }
    std::map<std::pair<int, int>, int> 色付き;
    for (const auto& [桝, 色] : 最後)
      if (色 != 背景色) 色付き[桝] = 色;
    return 色付き;
  }

  // Texts drawn with their top-left corner at (x, y).
  std::vector<DrawCall> 文字(double x, double y) const {
    std::vector<DrawCall> out;
    for (const auto& c : canvas.of(DrawCall::Text))
      if (同じ位置(c, x, y)) out.push_back(c);
    return out;
  }

  // The picture last copied to the point of (x, y), if any.
  std::optional<PictureId> 最後の絵(double x, double y) const {
    std::optional<PictureId> 絵;
    for (const auto& c : canvas.of(DrawCall::Picture))
      if (同じ位置(c, x, y)) 絵 = c.picture;
    return 絵;
  }
};

}  // namespace brenvolt::testing
