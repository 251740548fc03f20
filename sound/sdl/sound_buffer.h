// One sound of the SDL library: its samples in the device's format and the instances of it
// that were started on mixer channels.
#pragma once

#include "sound/sdl/sdl_calls.h"

#include <vector>

#include "sound/sdl/sdl_sound_library.h"

namespace brenvolt {

struct SdlSoundLibrary::Buffer {
  struct Instance {
    int channel;
    bool looping;
  };

  Buffer(std::vector<Uint8> samples, Mix_Chunk* mixChunk, int maxCopies)
      : pcm(std::move(samples)), chunk(mixChunk), copies(maxCopies) {}
  // Mix_FreeChunk halts every channel still playing the chunk before the samples go.
  ~Buffer() { sdlCalls()->FreeChunk(chunk); }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;

  // Forgets instances that have ended or whose channel has since been given to another sound.
  void forgetFinished();
  bool isLooping() const;
  void stopAll();

  std::vector<Uint8> pcm;  // the chunk reads these in place and does not own them
  Mix_Chunk* chunk;
  int copies;
  std::vector<Instance> instances;  // oldest first
};

}  // namespace brenvolt
