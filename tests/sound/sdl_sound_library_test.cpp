#include "sound/sdl/sdl_sound_library.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/sound/wav_builder.h"

namespace brenvolt {
namespace {

using testing::makeWav;

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, hadOld_ = true;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (hadOld_)
      setenv(name_.c_str(), old_.c_str(), 1);
    else
      unsetenv(name_.c_str());
  }

 private:
  std::string name_, old_;
  bool hadOld_ = false;
};

// Long enough to be still sounding whenever a test looks.
std::vector<unsigned char> longSound() {
  return makeWav({.sampleRate = 8000, .frames = 8000 * 30});
}

class SdlSoundLibraryTest : public ::testing::Test {
 protected:
  ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
  SdlSoundLibrary ds;
  int device = ds.dsInitialize(4711);

  int load(const std::vector<unsigned char>& image, int copies = 3) {
    return ds.dsCreateDSB(device, image.data(), image.size(), copies);
  }
};

TEST_F(SdlSoundLibraryTest, OpensTheDeviceOnce) {
  ASSERT_NE(device, 0);
  EXPECT_EQ(ds.dsInitialize(4711), device);
}

TEST_F(SdlSoundLibraryTest, LoadsEverySupportedLayout) {
  const testing::WavSpec specs[] = {
      {.channels = 1, .sampleRate = 8000, .bits = 8},
      {.channels = 2, .sampleRate = 44100, .bits = 16},
      {.channels = 1, .sampleRate = 48000, .bits = 24},
      {.channels = 2, .sampleRate = 96000, .bits = 32},
      {.formatTag = 3, .channels = 1, .sampleRate = 22050, .bits = 32},
      {.channels = 6, .sampleRate = 44100, .bits = 16, .extensible = true},
  };
  std::vector<int> handles;
  for (const auto& spec : specs) {
    const int handle = load(makeWav(spec));
    EXPECT_NE(handle, 0) << spec.channels << " channels, " << spec.bits << " bits";
    for (int other : handles) EXPECT_NE(handle, other);
    handles.push_back(handle);
  }
}

TEST_F(SdlSoundLibraryTest, RefusesUnusableImagesAndForeignDevices) {
  const auto good = makeWav();
  EXPECT_EQ(ds.dsCreateDSB(0, good.data(), good.size(), 3), 0);
  EXPECT_EQ(ds.dsCreateDSB(device + 1, good.data(), good.size(), 3), 0);
  EXPECT_EQ(ds.dsCreateDSB(device, nullptr, good.size(), 3), 0);
  EXPECT_EQ(ds.dsCreateDSB(device, good.data(), 0, 3), 0);
  // A header lying about its size, handed over in a buffer of exactly the stated size.
  std::vector<unsigned char> cut(good.begin(), good.begin() + 60);
  EXPECT_EQ(ds.dsCreateDSB(device, cut.data(), cut.size(), 3), 0);
  const std::vector<unsigned char> garbage(1000, 0x5A);
  EXPECT_EQ(ds.dsCreateDSB(device, garbage.data(), garbage.size(), 3), 0);
  // A tiny sample rate would stretch these frames into gigabytes of device samples.
  auto stretched = makeWav({.channels = 1, .sampleRate = 1000, .bits = 8, .frames = 4000000});
  EXPECT_EQ(load(stretched), 0);
}

TEST_F(SdlSoundLibraryTest, PlayStopAndFreeTouchOnlyTheirOwnSound) {
  const int effect = load(longSound());
  const int music = load(longSound(), 1);
  ASSERT_NE(effect, 0);
  ASSERT_NE(music, 0);
  ds.dsPlay(effect);
  ds.dsPlayLooping(music);
  EXPECT_EQ(ds.sounding(effect), 1);
  EXPECT_EQ(ds.sounding(music), 1);

  ds.dsStop(music);
  EXPECT_EQ(ds.sounding(music), 0);
  EXPECT_EQ(ds.sounding(effect), 1);

  ds.dsPlayLooping(music);
  ds.dsFree(effect);
  EXPECT_EQ(ds.sounding(effect), 0);
  EXPECT_EQ(ds.sounding(music), 1);
  ds.dsPlay(effect);  // freed: nothing happens
  EXPECT_EQ(ds.sounding(effect), 0);
}

TEST_F(SdlSoundLibraryTest, CopiesLimitsHowManyInstancesSoundAtOnce) {
  const int effect = load(longSound(), 3);
  const int single = load(longSound(), 1);
  const int none = load(longSound(), 0);
  for (int i = 0; i < 12; ++i) {
    ds.dsPlay(effect);
    ds.dsPlay(single);
    ds.dsPlay(none);
  }
  EXPECT_EQ(ds.sounding(effect), 3);
  EXPECT_EQ(ds.sounding(single), 1);
  EXPECT_EQ(ds.sounding(none), 1);
  ds.dsStop(effect);
  EXPECT_EQ(ds.sounding(effect), 0);
  EXPECT_EQ(ds.sounding(single), 1);
}

TEST_F(SdlSoundLibraryTest, ManySoundsFindChannels) {
  std::vector<int> handles;
  for (int i = 0; i < 20; ++i) handles.push_back(load(longSound(), 2));
  for (int handle : handles) ds.dsPlay(handle), ds.dsPlay(handle);
  int total = 0;
  for (int handle : handles) total += ds.sounding(handle);
  EXPECT_EQ(total, 40);
}

TEST_F(SdlSoundLibraryTest, LoopingTwiceKeepsOneLoop) {
  const int music = load(longSound(), 1);
  ds.dsPlayLooping(music);
  ds.dsPlayLooping(music);
  EXPECT_EQ(ds.sounding(music), 1);
}

TEST_F(SdlSoundLibraryTest, ZeroAndUnknownHandlesDoNothing) {
  const int effect = load(longSound());
  ds.dsPlay(effect);
  for (int handle : {0, -1, effect + 1000}) {
    ds.dsPlay(handle);
    ds.dsPlayLooping(handle);
    ds.dsStop(handle);
    ds.dsFree(handle);
    EXPECT_EQ(ds.sounding(handle), 0);
  }
  ds.dsTerminate(0);
  ds.dsTerminate(device + 1);
  EXPECT_EQ(ds.sounding(effect), 1);
}

TEST_F(SdlSoundLibraryTest, TerminateFreesEverythingAndTheDeviceOpensAgain) {
  const int effect = load(longSound());
  ds.dsPlay(effect);
  ds.dsTerminate(device);
  EXPECT_EQ(ds.sounding(effect), 0);
  ds.dsPlay(effect);
  ds.dsStop(effect);
  ds.dsFree(effect);
  const auto image = longSound();
  EXPECT_EQ(ds.dsCreateDSB(device, image.data(), image.size(), 3), 0);

  const int again = ds.dsInitialize(4711);
  ASSERT_NE(again, 0);
  EXPECT_NE(again, device);
  const int reloaded = ds.dsCreateDSB(again, image.data(), image.size(), 3);
  ASSERT_NE(reloaded, 0);
  ds.dsPlay(reloaded);
  EXPECT_EQ(ds.sounding(reloaded), 1);
}

TEST(SdlSoundDevice, ReportsNoDeviceWhenTheDriverFindsNone) {
  // The disk driver starts, but cannot open its device when its file cannot be written.
  ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  ScopedEnv file("SDL_DISKAUDIOFILE", "/nonexistent-folder/brenvolt/out.raw");
  SdlSoundLibrary ds;
  EXPECT_EQ(ds.dsInitialize(1), 0);
  const auto image = makeWav();
  EXPECT_EQ(ds.dsCreateDSB(0, image.data(), image.size(), 3), 0);
  ds.dsPlay(0);
  ds.dsTerminate(0);
}

TEST(SdlSoundDevice, ReportsNoDeviceWhenTheDriverIsMissing) {
  ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  SdlSoundLibrary ds;
  EXPECT_EQ(ds.dsInitialize(1), 0);
}

}  // namespace
}  // namespace brenvolt
