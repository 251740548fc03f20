// Measures the sounds the build made: what the game really loads and plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "sound/module1.h"
#include "sound/sdl/sdl_sound_library.h"
#include "sound/wav_image.h"

namespace brenvolt {
namespace {
namespace fs = std::filesystem;

const fs::path kSoundDir = BRENVOLT_SOUND_DIR;

struct Measured {
  double seconds = 0;
  double peak = 0;                        // of full scale
  std::vector<std::vector<int>> samples;  // per channel
};

Measured measure(const char* name) {
  std::ifstream in(kSoundDir / name, std::ios::binary);
  const std::vector<unsigned char> image{std::istreambuf_iterator<char>(in), {}};
  const auto sound = parseWav(image.data(), image.size());
  Measured m;
  if (!sound || sound->type != SampleType::Signed16) {
    ADD_FAILURE() << name << " is not a 16-bit WAVE file";
    return m;
  }
  m.samples.resize(static_cast<std::size_t>(sound->channels));
  for (std::size_t at = 0; at + 1 < sound->frames.size(); at += 2) {
    const int sample = static_cast<std::int16_t>(sound->frames[at] | (sound->frames[at + 1] << 8));
    m.samples[at / 2 % m.samples.size()].push_back(sample);
    m.peak = std::max(m.peak, std::abs(sample) / 32768.0);
  }
  m.seconds = static_cast<double>(m.samples[0].size()) / sound->sampleRate;
  return m;
}

TEST(SoundAssets, EffectsAreShortAudibleAndUnclippedAndTheMusicIsQuieter) {
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav"}) {
    const Measured m = measure(name);
    EXPECT_GT(m.seconds, 0.05) << name;
    EXPECT_LT(m.seconds, 1.0) << name;
    EXPECT_GT(m.peak, 0.2) << name;
    EXPECT_LT(m.peak, 0.9) << name;
  }
  const Measured music = measure("BGM.wav");
  EXPECT_GE(music.seconds, 10.0);
  EXPECT_LE(music.seconds, 20.0);
  EXPECT_GT(music.peak, 0.1);
  EXPECT_LT(music.peak, 0.6);
}

TEST(SoundAssets, TheMusicLoopsWithoutASeam) {
  for (const auto& samples : measure("BGM.wav").samples) {
    std::vector<int> steps;
    for (std::size_t i = 1; i < samples.size(); ++i)
      steps.push_back(std::abs(samples[i] - samples[i - 1]));
    const auto usual = steps.begin() + static_cast<long>(steps.size() * 99 / 100);
    std::nth_element(steps.begin(), usual, steps.end());
    EXPECT_LE(std::abs(samples.front() - samples.back()), *usual);
  }
}

TEST(SoundAssets, TheGameLoadsThemFromItsDataFolder) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  SdlSoundLibrary ds;
  std::vector<std::string> warnings;
  Module1 音(ds, [&](const TranslatableText& 文) { warnings.push_back(文.japanese()); },
             {kSoundDir});
  音.音_初期化(1);
  ASSERT_NE(音.DSハンドル, 0);
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav"})
    EXPECT_NE(音.音_読込(name, 3), 0) << name;
  const int music = 音.音_読込("BGM.wav", 1);
  ds.dsPlayLooping(music);
  EXPECT_EQ(ds.sounding(music), 1);
  EXPECT_TRUE(warnings.empty());
}

}  // namespace
}  // namespace brenvolt
