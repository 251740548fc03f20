// Fuzz target: any bytes as the WAVE image given to the SDL sound library's dsCreateDSB (dummy
// audio driver), with any number of copies, then every call on the handle it returns.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_check.h"
#include "sound/sdl/sdl_sound_library.h"

namespace brenvolt::fuzz {
namespace {

struct LibraryFixture {
  SdlSoundLibrary library;
  int device = 0;
  LibraryFixture() : device(library.dsInitialize(0)) {
    if (device == 0) fail("the dummy audio driver did not open");
  }
};

LibraryFixture& fixture() {
  static LibraryFixture instance;
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
  LibraryFixture& f = fixture();
  // The first four bytes choose the copies (negative and huge values too); the rest is the image.
  int copies = 1;
  if (size >= sizeof copies) {
    std::memcpy(&copies, data, sizeof copies);
    data += sizeof copies;
    size -= sizeof copies;
  }
  // An exact-size copy: the library must not read past the size it is given.
  auto* image = static_cast<unsigned char*>(std::malloc(size == 0 ? 1 : size));
  if (size > 0) std::memcpy(image, data, size);
  const int handle = f.library.dsCreateDSB(f.device, image, size, copies);
  std::free(image);
  for (int i = 0; i < 3; ++i) f.library.dsPlay(handle);
  f.library.dsPlayLooping(handle);
  f.library.dsStop(handle);
  f.library.dsFree(handle);
  if (f.library.sounding(handle) != 0) fail("a freed buffer still sounds");
  return 0;
}
