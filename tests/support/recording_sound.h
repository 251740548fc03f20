// A sound library that records every call and hands out buffer handles 1, 2, 3, ...
#pragma once

#include <string>
#include <vector>

#include "sound/sound_library.h"

namespace brenvolt::testing {

struct SoundCall {
  std::string name;
  int handle;
  bool operator==(const SoundCall&) const = default;
};

class RecordingSound : public SoundLibrary {
 public:
  int dsInitialize(int) override {
    calls.push_back({"dsInitialize", deviceAvailable ? 77 : 0});
    return deviceAvailable ? 77 : 0;
  }
  void dsTerminate(int device) override { calls.push_back({"dsTerminate", device}); }
  int dsCreateDSB(int, const unsigned char*, std::size_t size, int) override {
    int handle = size > 0 ? ++lastHandle : 0;
    calls.push_back({"dsCreateDSB", handle});
    return handle;
  }
  void dsFree(int b) override { calls.push_back({"dsFree", b}); }
  void dsPlay(int b) override { calls.push_back({"dsPlay", b}); }
  void dsPlayLooping(int b) override { calls.push_back({"dsPlayLooping", b}); }
  void dsStop(int b) override { calls.push_back({"dsStop", b}); }

  // Handles passed to dsPlay, in order.
  std::vector<int> played() const {
    std::vector<int> out;
    for (const auto& c : calls)
      if (c.name == "dsPlay") out.push_back(c.handle);
    return out;
  }

  bool deviceAvailable = true;
  int lastHandle = 0;
  std::vector<SoundCall> calls;
};

}  // namespace brenvolt::testing
