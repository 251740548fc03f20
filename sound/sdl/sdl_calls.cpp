#include "sound/sdl/sdl_calls.h"

#include <dlfcn.h>

namespace brenvolt {

namespace {

template <typename Function>
bool find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

bool load(SdlCalls& calls) {
  void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  void* mixer = sdl ? dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL) : nullptr;
  if (mixer == nullptr) return false;
  return find(sdl, "SDL_SetHint", calls.SetHint) &&
         find(sdl, "SDL_InitSubSystem", calls.InitSubSystem) &&
         find(sdl, "SDL_QuitSubSystem", calls.QuitSubSystem) &&
         find(sdl, "SDL_NewAudioStream", calls.NewAudioStream) &&
         find(sdl, "SDL_AudioStreamPut", calls.AudioStreamPut) &&
         find(sdl, "SDL_AudioStreamFlush", calls.AudioStreamFlush) &&
         find(sdl, "SDL_AudioStreamAvailable", calls.AudioStreamAvailable) &&
         find(sdl, "SDL_AudioStreamGet", calls.AudioStreamGet) &&
         find(sdl, "SDL_FreeAudioStream", calls.FreeAudioStream) &&
         find(mixer, "Mix_OpenAudio", calls.OpenAudio) &&
         find(mixer, "Mix_CloseAudio", calls.CloseAudio) &&
         find(mixer, "Mix_QuerySpec", calls.QuerySpec) &&
         find(mixer, "Mix_AllocateChannels", calls.AllocateChannels) &&
         find(mixer, "Mix_QuickLoad_RAW", calls.QuickLoad_RAW) &&
         find(mixer, "Mix_FreeChunk", calls.FreeChunk) &&
         find(mixer, "Mix_PlayChannelTimed", calls.PlayChannelTimed) &&
         find(mixer, "Mix_HaltChannel", calls.HaltChannel) &&
         find(mixer, "Mix_Playing", calls.Playing) && find(mixer, "Mix_GetChunk", calls.GetChunk);
}

}  // namespace

const SdlCalls* sdlCalls() {
  static const SdlCalls* const calls = [] {
    static SdlCalls loaded{};
    return load(loaded) ? &loaded : nullptr;
  }();
  return calls;
}

}  // namespace brenvolt
