// The sound library over SDL2_mixer: WAVE images converted once to the device's format and
// mixed on SDL_mixer's channels.
//
// The third argument of dsCreateDSB, `copies`, is how many instances of that sound may be heard
// at once. Playing it again while fewer are sounding starts another instance over the ones
// still ringing (quick clicks overlap naturally); when all are sounding, the one that started
// first is restarted instead, so a burst of plays never piles up. Values below 1 count as 1.
//
// SDL's audio is process-wide state: use one SdlSoundLibrary per process, from one thread.
#pragma once

#include <map>
#include <memory>

#include "sound/sound_library.h"

namespace brenvolt {

class SdlSoundLibrary final : public SoundLibrary {
 public:
  SdlSoundLibrary();
  ~SdlSoundLibrary() override;  // terminates the device if still open
  SdlSoundLibrary(const SdlSoundLibrary&) = delete;
  SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;

  // Opens the audio device of SDL's chosen driver (SDL_AUDIODRIVER picks another). Only one
  // device is open at a time: asking again while it is open returns the same handle.
  int dsInitialize(int hWnd) override;
  // Stops every sound and frees every buffer made on that device, then closes it.
  void dsTerminate(int device) override;
  int dsCreateDSB(int device, const unsigned char* image, std::size_t size, int copies) override;
  void dsFree(int buffer) override;
  void dsPlay(int buffer) override;
  // A sound already looping keeps on looping undisturbed.
  void dsPlayLooping(int buffer) override;
  void dsStop(int buffer) override;

  // How many instances of the sound are being heard now (0 for an unknown handle).
  int sounding(int buffer);

  struct Buffer;

 private:
  void play(int buffer, bool looping);
  int newHandle(int& counter) const;

  int device_ = 0;
  int lastDevice_ = 0;
  int lastBuffer_ = 0;
  std::map<int, std::unique_ptr<Buffer>> buffers_;
};

}  // namespace brenvolt
