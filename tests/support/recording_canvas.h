// A canvas that keeps every drawing call, for tests that check what was drawn and in which
// order.
#pragma once

#include <string>
#include <vector>

#include "window/canvas.h"

namespace brenvolt::testing {

struct DrawCall {
  enum Kind { Fill, Outline, Text, Picture, Refresh } kind;
  double x = 0, y = 0, w = 0, h = 0;  // twips
  int colour = -1;
  std::string text{};
  int points = 0;
  bool bold = false;
  PictureId picture = PictureId::KARA_MASU;
};

class RecordingCanvas : public Canvas {
 public:
  void fillRect(double x, double y, double w, double h, int colour) override {
    calls.push_back({DrawCall::Fill, x, y, w, h, colour});
  }
  void outlineRect(double x, double y, double w, double h, int colour) override {
    calls.push_back({DrawCall::Outline, x, y, w, h, colour});
  }
  // Keeps the text as the game shows it by default, in Japanese.
  void drawText(double x, double y, const TranslatableText& text, int points, int colour,
                bool bold) override {
    DrawCall c{DrawCall::Text, x, y};
    c.colour = colour;
    c.text = text.japanese();
    c.points = points;
    c.bold = bold;
    calls.push_back(c);
  }
  void drawPicture(PictureId picture, double x, double y) override {
    DrawCall c{DrawCall::Picture, x, y};
    c.picture = picture;
    calls.push_back(c);
  }
  void refresh() override { calls.push_back({DrawCall::Refresh}); }

  std::vector<DrawCall> of(DrawCall::Kind kind) const {
    std::vector<DrawCall> out;
    for (const auto& c : calls)
      if (c.kind == kind) out.push_back(c);
    return out;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& c : of(DrawCall::Text)) out.push_back(c.text);
    return out;
  }
  void clear() { calls.clear(); }

  std::vector<DrawCall> calls;
};

}  // namespace brenvolt::testing
