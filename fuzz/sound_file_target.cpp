// Fuzz target: any bytes as a sound file loaded by Module1 into the SDL sound library (dummy
// audio driver). The load gives a playable handle and no warning, or handle 0 and exactly one
// warning; the handle then plays, loops, stops and is freed.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/fuzz_check.h"
#include "sound/module1.h"
#include "sound/sdl/sdl_sound_library.h"

namespace brenvolt::fuzz {
namespace {

struct SoundFixture {
  SdlSoundLibrary library;
  int warnings = 0;
  Module1 sound{library, [this](const TranslatableText&) { ++warnings; }};
  std::filesystem::path file;

  SoundFixture() {
    file = std::filesystem::temp_directory_path() /
           ("brenvolt-fuzz-" + std::to_string(::getpid()) + ".wav");
    sound.音_初期化(0);
    if (sound.DSハンドル == 0) fail("the dummy audio driver did not open");
  }
  ~SoundFixture() {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  }
};

Tally files("sound files");

SoundFixture& fixture() {
  static SoundFixture instance;
  return instance;
}

}  // namespace
}  // namespace brenvolt::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Never a real device: fuzzing must stay silent and not depend on the machine's sound card.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brenvolt::fuzz;
  SoundFixture& f = fixture();
  {
    std::ofstream out(f.file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) fail("cannot write the sound file");
  }
  f.warnings = 0;
  files.add();
  const int handle = f.sound.音_読込(f.file.string(), size == 0 ? 1 : data[0] % 4);
  if (handle == 0 && f.warnings != 1)
    fail("a refused file gave " + std::to_string(f.warnings) + " warnings");
  if (handle != 0 && f.warnings != 0) fail("a loaded file gave a warning");
  f.library.dsPlay(handle);
  f.library.dsPlayLooping(handle);
  f.library.dsStop(handle);
  f.library.dsFree(handle);
  if (handle != 0 && f.library.sounding(handle) != 0) fail("a freed buffer still sounds");
  return 0;
}
