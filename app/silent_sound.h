// A sound library that opens a device, accepts every sound and never makes a noise: for runs
// that must not touch the audio system, such as taking a screenshot.
#pragma once

#include "sound/sound_library.h"

namespace brenvolt {

class SilentSound : public SoundLibrary {
 public:
  int dsInitialize(int) override { return 1; }
  void dsTerminate(int) override {}
  // Any image is accepted, so loading the sounds raises no warning.
  int dsCreateDSB(int device, const unsigned char* image, std::size_t size, int) override {
    return device != 0 && image != nullptr && size > 0 ? ++lastBuffer_ : 0;
  }
  void dsFree(int) override {}
  void dsPlay(int) override {}
  void dsPlayLooping(int) override {}
  void dsStop(int) override {}

 private:
  int lastBuffer_ = 0;
};

}  // namespace brenvolt
