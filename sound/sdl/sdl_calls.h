// The calls of SDL2 and SDL2_mixer the sound library makes, found at run time in the shared
// libraries rather than linked: the program then loads SDL, and the many libraries SDL2_mixer
// brings with it, only when the sound device is first opened, after the window is up.
#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace brenvolt {

struct SdlCalls {
  decltype(&::SDL_SetHint) SetHint;
  decltype(&::SDL_InitSubSystem) InitSubSystem;
  decltype(&::SDL_QuitSubSystem) QuitSubSystem;
  decltype(&::SDL_NewAudioStream) NewAudioStream;
  decltype(&::SDL_AudioStreamPut) AudioStreamPut;
  decltype(&::SDL_AudioStreamFlush) AudioStreamFlush;
  decltype(&::SDL_AudioStreamAvailable) AudioStreamAvailable;
  decltype(&::SDL_AudioStreamGet) AudioStreamGet;
  decltype(&::SDL_FreeAudioStream) FreeAudioStream;
  decltype(&::Mix_OpenAudio) OpenAudio;
  decltype(&::Mix_CloseAudio) CloseAudio;
  decltype(&::Mix_QuerySpec) QuerySpec;
  decltype(&::Mix_AllocateChannels) AllocateChannels;
  decltype(&::Mix_QuickLoad_RAW) QuickLoad_RAW;
  decltype(&::Mix_FreeChunk) FreeChunk;
  decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
  decltype(&::Mix_HaltChannel) HaltChannel;
  decltype(&::Mix_Playing) Playing;
  decltype(&::Mix_GetChunk) GetChunk;

  int PlayChannel(int channel, Mix_Chunk* chunk, int loops) const {
    return PlayChannelTimed(channel, chunk, loops, -1);
  }
};

// The calls, loading the libraries on the first use; nothing when either library or one of
// the calls is missing, which the sound library takes as having no sound device. Once loaded
// the libraries stay for the life of the process.
const SdlCalls* sdlCalls();

}  // namespace brenvolt
