#include "sound/sdl/sdl_sound_library.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/sound/wav_builder.h"

namespace brenvolt {
namespace {
using namespace testing;

// Thirty seconds: still sounding whenever a test looks.
const Bytes kLong = makeWav({.sampleRate = 8000, .frames = 8000 * 30});

class SdlSoundLibraryTest : public ::testing::Test {
 protected:
  SdlSoundLibrary ds;
  int device = (setenv("SDL_AUDIODRIVER", "dummy", 1), ds.dsInitialize(4711));

  int load(const Bytes& image, int copies = 3) {
    return ds.dsCreateDSB(device, image.data(), image.size(), copies);
  }
};

TEST_F(SdlSoundLibraryTest, LoadsEveryLayoutAndRefusesWhatItCannotUse) {
  ASSERT_NE(device, 0);
  EXPECT_EQ(ds.dsInitialize(4711), device);
  const WavFormat usable[] = {{.sampleRate = 8000, .bits = 8},
                              {.channels = 1, .sampleRate = 48000, .bits = 24},
                              {.formatTag = 3, .channels = 2, .sampleRate = 96000, .bits = 32},
                              {.channels = 6, .sampleRate = 44100, .extensible = true}};
  for (const auto& format : usable) EXPECT_NE(load(makeWav(format)), 0) << format.bits << " bits";
  EXPECT_NE(load(kLong), load(kLong));

  const Bytes cut(kLong.begin(), kLong.begin() + 60);
  EXPECT_EQ(load(cut), 0);
  EXPECT_EQ(load(Bytes(1000, 0x5A)), 0);
  EXPECT_EQ(ds.dsCreateDSB(device, nullptr, kLong.size(), 3), 0);
  EXPECT_EQ(ds.dsCreateDSB(0, kLong.data(), kLong.size(), 3), 0);
  EXPECT_EQ(ds.dsCreateDSB(device + 1, kLong.data(), kLong.size(), 3), 0);
  // A tiny sample rate would stretch these frames into gigabytes of device samples.
  EXPECT_EQ(load(makeWav({.sampleRate = 1000, .bits = 8, .frames = 4000000})), 0);
}

TEST_F(SdlSoundLibraryTest, ASoundIsKeptOnlyWhileItFitsItsBoundInTheDevicesFormat) {
  // At the device's 44.1 kHz, 16-bit stereo, a frame at 1 kHz becomes 176.4 bytes: 95,000
  // frames take just under 16 MiB, 96,000 just over, from a file of under 100 KB.
  EXPECT_NE(load(makeWav({.sampleRate = 1000, .bits = 8, .frames = 95000})), 0);
  EXPECT_EQ(load(makeWav({.sampleRate = 1000, .bits = 8, .frames = 96000})), 0);
}

TEST_F(SdlSoundLibraryTest, EachSoundPlaysUpToItsCopiesAndStopsAlone) {
  const int effect = load(kLong, 3), music = load(kLong, 1), zero = load(kLong, 0);
  for (int i = 0; i < 12; ++i) ds.dsPlay(effect), ds.dsPlay(zero);
  ds.dsPlayLooping(music);
  ds.dsPlayLooping(music);
  EXPECT_EQ(ds.sounding(effect), 3);
  EXPECT_EQ(ds.sounding(zero), 1);
  EXPECT_EQ(ds.sounding(music), 1);

  ds.dsStop(music);
  EXPECT_EQ(ds.sounding(music), 0);
  EXPECT_EQ(ds.sounding(effect), 3);
  ds.dsFree(effect);
  ds.dsPlay(effect);
  EXPECT_EQ(ds.sounding(effect), 0);
  EXPECT_EQ(ds.sounding(zero), 1);

  // More sounds at once than the mixer starts with.
  int total = 0;
  for (int i = 0; i < 20; ++i) {
    const int handle = load(kLong, 2);
    ds.dsPlay(handle), ds.dsPlay(handle);
    total += ds.sounding(handle);
  }
  EXPECT_EQ(total, 40);
}

TEST_F(SdlSoundLibraryTest, ZeroAndUnknownHandlesDoNothing) {
  const int effect = load(kLong);
  ds.dsPlay(effect);
  for (int handle : {0, -1, effect + 1000}) {
    ds.dsPlay(handle), ds.dsPlayLooping(handle), ds.dsStop(handle), ds.dsFree(handle);
    EXPECT_EQ(ds.sounding(handle), 0);
  }
  ds.dsTerminate(0);
  ds.dsTerminate(device + 1);
  EXPECT_EQ(ds.sounding(effect), 1);
}

TEST_F(SdlSoundLibraryTest, TerminateFreesEverythingAndTheDeviceOpensAgain) {
  const int effect = load(kLong);
  ds.dsPlay(effect);
  ds.dsTerminate(device);
  EXPECT_EQ(ds.sounding(effect), 0);
  ds.dsPlay(effect), ds.dsFree(effect);
  EXPECT_EQ(load(kLong), 0);

  const int again = ds.dsInitialize(4711);
  ASSERT_NE(again, 0);
  EXPECT_NE(again, device);
  const int reloaded = ds.dsCreateDSB(again, kLong.data(), kLong.size(), 3);
  ds.dsPlay(reloaded);
  EXPECT_EQ(ds.sounding(reloaded), 1);
}

TEST(SdlSoundDevice, IsZeroWhenNoDeviceOpens) {
  // The disk driver starts but cannot open its device when its file cannot be written, as a
  // driver does on a machine without a sound card.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/nonexistent-folder/out.raw", 1);
  SdlSoundLibrary ds;
  EXPECT_EQ(ds.dsInitialize(1), 0);
  EXPECT_EQ(ds.dsCreateDSB(0, kLong.data(), kLong.size(), 3), 0);
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(ds.dsInitialize(1), 0);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace
}  // namespace brenvolt
