// The seven calls of the sound library. The game only ever talks to sound through these, so
// tests can record them and the real library can sit on any audio back-end.
#pragma once

#include <cstddef>

namespace brenvolt {

class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  // A device handle, or 0 when no sound device can be opened.
  virtual int dsInitialize(int hWnd) = 0;
  virtual void dsTerminate(int device) = 0;
  // A buffer made from a complete RIFF/WAVE image of `size` bytes, copied during the call;
  // 0 when the image cannot be used. `copies` is documented by the implementation.
  virtual int dsCreateDSB(int device, const unsigned char* image, std::size_t size, int copies) = 0;
  // Every call below accepts a 0 handle and then does nothing.
  virtual void dsFree(int buffer) = 0;
  virtual void dsPlay(int buffer) = 0;  // returns at once
  virtual void dsPlayLooping(int buffer) = 0;  // returns at once
  virtual void dsStop(int buffer) = 0;  // stops only this sound
};

}  // namespace brenvolt
