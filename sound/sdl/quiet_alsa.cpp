#include "sound/sdl/quiet_alsa.h"

#include <dlfcn.h>

namespace brenvolt {
namespace {

using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void silenceAlsaErrors() {
  static bool done = false;
  if (done) return;
  done = true;
  // SDL opens the same library later and shares this instance and its handler; it stays
  // loaded for the life of the process.
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (alsa == nullptr) return;
  if (auto set = reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
    set(ignoreAlsaError);
}

}  // namespace brenvolt
