// A platform that records message boxes, menu check marks, placement and quitting, with a
// clock the test controls.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "window/platform.h"

namespace brenvolt::testing {

struct ShownBox {
  std::string text;
  std::string title;
  BoxIcon icon;
  bool operator==(const ShownBox&) const = default;
};

class RecordingPlatform : public Platform {
 public:
  void messageBox(const std::string& text, const std::string& title, BoxIcon icon) override {
    boxes.push_back({text, title, icon});
    if (onBox) onBox(boxes.back());
  }
  void setMenuChecked(const std::string& item, bool checked) override { checks[item] = checked; }
  bool menuChecked(const std::string& item) const override {
    auto it = checks.find(item);
    return it != checks.end() && it->second;
  }
  void setBackground(int colour) override { background = colour; }
  int windowTop() const override { return top; }
  void placeWindow(int l, int t, int w, int h) override {
    left = l, top = t, width = w, height = h;
    ++placements;
  }
  int windowHandle() const override { return 4711; }
  // Every reading advances the clock, so busy waits end without real time passing.
  double clockSeconds() const override { return now += clockStep; }
  void quit() override { ++quits; }

  std::vector<ShownBox> boxes;
  std::function<void(const ShownBox&)> onBox;  // called while the "modal" box is open
  std::map<std::string, bool> checks;
  int background = -1;
  int left = 0, top = 0, width = 0, height = 0, placements = 0;
  mutable double now = 1000.0;
  double clockStep = 0.01;
  int quits = 0;
};

}  // namespace brenvolt::testing
