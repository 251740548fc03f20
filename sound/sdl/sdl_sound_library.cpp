#include "sound/sdl/sdl_sound_library.h"

#include <climits>

#include "sound/sdl/device_format.h"
#include "sound/sdl/quiet_alsa.h"
#include "sound/sdl/sdl_calls.h"
#include "sound/sdl/sound_buffer.h"
#include "sound/wav_image.h"

namespace brenvolt {
namespace {

constexpr int kDeviceRate = 44100;
constexpr int kDeviceChannels = 2;
// Short enough that a click follows the mouse without a noticeable delay.
constexpr int kDeviceChunkFrames = 1024;
constexpr int kChannelStep = 8;
constexpr int kMaxMixerChannels = 64;

int following(int handle) {
  return handle == INT_MAX ? 1 : handle + 1;
}

// Starts `chunk` on any idle channel, adding channels while there are fewer than the limit.
int playOnIdleChannel(const SdlCalls& sdl, Mix_Chunk* chunk, int loops) {
  for (;;) {
    const int channel = sdl.PlayChannel(-1, chunk, loops);
    if (channel >= 0) return channel;
    const int allocated = sdl.AllocateChannels(-1);
    if (allocated >= kMaxMixerChannels) return -1;
    sdl.AllocateChannels(allocated + kChannelStep);
  }
}

}  // namespace

SdlSoundLibrary::SdlSoundLibrary() = default;

SdlSoundLibrary::~SdlSoundLibrary() {
  dsTerminate(device_);
}

int SdlSoundLibrary::dsInitialize(int) {
  if (device_ != 0) return device_;
  const SdlCalls* sdl = sdlCalls();
  if (sdl == nullptr) return 0;
  silenceAlsaErrors();
  // Ctrl-C and termination stay with the program that owns the window, not with SDL.
  sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  // SDL may find a driver yet no device behind it; only opening the device tells.
  if (sdl->OpenAudio(kDeviceRate, AUDIO_S16SYS, kDeviceChannels, kDeviceChunkFrames) != 0) {
    sdl->QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  sdl->AllocateChannels(kChannelStep);
  lastDevice_ = following(lastDevice_);
  device_ = lastDevice_;
  return device_;
}

void SdlSoundLibrary::dsTerminate(int device) {
  if (device == 0 || device != device_) return;
  buffers_.clear();
  // An open device means the calls were found.
  const SdlCalls& sdl = *sdlCalls();
  sdl.CloseAudio();
  sdl.QuitSubSystem(SDL_INIT_AUDIO);
  device_ = 0;
}

int SdlSoundLibrary::dsCreateDSB(int device, const unsigned char* image, std::size_t size,
                                 int copies) {
  if (device == 0 || device != device_) return 0;
  const auto sound = parseWav(image, size);
  if (!sound) return 0;
  auto samples = toDeviceFormat(*sound);
  if (!samples) return 0;
  Mix_Chunk* chunk =
      sdlCalls()->QuickLoad_RAW(samples->data(), static_cast<Uint32>(samples->size()));
  if (chunk == nullptr) return 0;
  auto buffer = std::make_unique<Buffer>(std::move(*samples), chunk, copies < 1 ? 1 : copies);
  int handle = following(lastBuffer_);
  while (buffers_.contains(handle)) handle = following(handle);
  lastBuffer_ = handle;
  buffers_.emplace(handle, std::move(buffer));
  return handle;
}

void SdlSoundLibrary::dsFree(int buffer) {
  buffers_.erase(buffer);
}

void SdlSoundLibrary::dsPlay(int buffer) {
  play(buffer, false);
}

void SdlSoundLibrary::dsPlayLooping(int buffer) {
  play(buffer, true);
}

void SdlSoundLibrary::dsStop(int buffer) {
  if (auto it = buffers_.find(buffer); it != buffers_.end()) it->second->stopAll();
}

int SdlSoundLibrary::sounding(int buffer) {
  auto it = buffers_.find(buffer);
  if (it == buffers_.end()) return 0;
  it->second->forgetFinished();
  return static_cast<int>(it->second->instances.size());
}

void SdlSoundLibrary::play(int buffer, bool looping) {
  auto it = buffers_.find(buffer);
  if (it == buffers_.end()) return;
  Buffer& sound = *it->second;
  sound.forgetFinished();
  if (looping && sound.isLooping()) return;
  const int loops = looping ? -1 : 0;
  int channel = -1;
  if (static_cast<int>(sound.instances.size()) >= sound.copies) {
    channel = sound.instances.front().channel;
    sound.instances.erase(sound.instances.begin());
    channel = sdlCalls()->PlayChannel(channel, sound.chunk, loops);
  } else {
    channel = playOnIdleChannel(*sdlCalls(), sound.chunk, loops);
  }
  if (channel >= 0) sound.instances.push_back({channel, looping});
}

}  // namespace brenvolt
