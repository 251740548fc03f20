#include "sound/sdl/sound_buffer.h"

#include <algorithm>

namespace brenvolt {

void SdlSoundLibrary::Buffer::forgetFinished() {
  std::erase_if(instances, [this](const Instance& instance) {
    return Mix_Playing(instance.channel) == 0 || Mix_GetChunk(instance.channel) != chunk;
  });
}

bool SdlSoundLibrary::Buffer::isLooping() const {
  return std::any_of(instances.begin(), instances.end(),
                     [](const Instance& instance) { return instance.looping; });
}

void SdlSoundLibrary::Buffer::stopAll() {
  forgetFinished();
  for (const Instance& instance : instances) Mix_HaltChannel(instance.channel);
  instances.clear();
}

}  // namespace brenvolt
