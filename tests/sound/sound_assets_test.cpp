// Measures the sounds made by the build: what the game will really load and play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/module1.h"
#include "sound/sdl/sdl_sound_library.h"
#include "sound/wav_image.h"

namespace brenvolt {
namespace {
namespace fs = std::filesystem;

const fs::path kSoundDir = BRENVOLT_SOUND_DIR;
const char* const kEffects[] = {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav"};

std::vector<unsigned char> readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Samples of one channel of a 16-bit sound.
std::vector<int> channel(const WavSound& sound, int which) {
  std::vector<int> out;
  for (std::size_t at = static_cast<std::size_t>(which) * 2; at + 1 < sound.frames.size();
       at += static_cast<std::size_t>(sound.frameBytes))
    out.push_back(static_cast<std::int16_t>(sound.frames[at] | (sound.frames[at + 1] << 8)));
  return out;
}

struct Measured {
  double seconds;
  double peak;  // of full scale
};

Measured measure(const std::string& name) {
  const auto image = readAll(kSoundDir / name);
  const auto sound = parseWav(image.data(), image.size());
  EXPECT_TRUE(sound) << name;
  if (!sound) return {0, 0};
  EXPECT_EQ(sound->type, SampleType::Signed16) << name;
  int peak = 0;
  for (int c = 0; c < sound->channels; ++c)
    for (int sample : channel(*sound, c)) peak = std::max(peak, std::abs(sample));
  const double frames = static_cast<double>(sound->frames.size()) / sound->frameBytes;
  return {frames / sound->sampleRate, peak / 32768.0};
}

TEST(SoundAssets, EffectsAreShortAudibleAndUnclipped) {
  for (const char* name : kEffects) {
    SCOPED_TRACE(name);
    const Measured m = measure(name);
    EXPECT_GT(m.seconds, 0.05);
    EXPECT_LT(m.seconds, 1.0);
    EXPECT_GT(m.peak, 0.2);
    EXPECT_LT(m.peak, 0.9);
  }
}

TEST(SoundAssets, MusicIsALoopOfTenToTwentySecondsWithoutASeam) {
  const Measured m = measure("BGM.wav");
  EXPECT_GE(m.seconds, 10.0);
  EXPECT_LE(m.seconds, 20.0);
  EXPECT_GT(m.peak, 0.1);
  EXPECT_LT(m.peak, 0.6);  // background: quieter than the effects

  const auto image = readAll(kSoundDir / "BGM.wav");
  const auto sound = parseWav(image.data(), image.size());
  ASSERT_TRUE(sound);
  for (int c = 0; c < sound->channels; ++c) {
    const auto samples = channel(*sound, c);
    std::vector<int> steps;
    for (std::size_t i = 1; i < samples.size(); ++i)
      steps.push_back(std::abs(samples[i] - samples[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    const int usualStep = steps[steps.size() * 99 / 100];
    // Going round the loop must be no bigger a jump than the music makes anyway.
    EXPECT_LE(std::abs(samples.front() - samples.back()), usualStep) << "channel " << c;
  }
}

TEST(SoundAssets, TheGameFindsAndLoadsThemFromItsDataFolder) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const fs::path previous = fs::current_path();
  fs::current_path(fs::temp_directory_path());
  SdlSoundLibrary ds;
  std::vector<std::string> warnings;
  Module1 音(ds, [&](const std::string& 文) { warnings.push_back(文); }, {kSoundDir});
  音.音_初期化(1);
  ASSERT_NE(音.DSハンドル, 0);
  for (const char* name : kEffects) EXPECT_NE(音.音_読込(name, 3), 0) << name;
  const int music = 音.音_読込("BGM.wav", 1);
  EXPECT_NE(music, 0);
  ds.dsPlayLooping(music);
  EXPECT_EQ(ds.sounding(music), 1);
  EXPECT_TRUE(warnings.empty());
  音.音_解放();
  fs::current_path(previous);
}

}  // namespace
}  // namespace brenvolt
