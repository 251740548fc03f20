#include "sound/sdl/sound_buffer.h"

#include <algorithm>

#include "sound/sdl/sdl_calls.h"

namespace brenvolt {

void SdlSoundLibrary::Buffer::forgetFinished() {
  std::erase_if(instances, [this](const Instance& instance) {
    const SdlCalls& sdl = *sdlCalls();
    return sdl.Playing(instance.channel) == 0 || sdl.GetChunk(instance.channel) != chunk;
  });
}

bool SdlSoundLibrary::Buffer::isLooping() const {
  return std::any_of(instances.begin(), instances.end(),
                     [](const Instance& instance) { return instance.looping; });
}

void SdlSoundLibrary::Buffer::stopAll() {
  forgetFinished();
  for (const Instance& instance : instances) sdlCalls()->HaltChannel(instance.channel);
  instances.clear();
}

}  // namespace brenvolt
