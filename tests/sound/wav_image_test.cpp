#include "sound/wav_image.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/sound/wav_builder.h"

namespace brenvolt {
namespace {
using namespace testing;

// Parses a copy owning exactly `size` bytes, so the address sanitizer catches any read past the
// end, and checks that the samples found lie inside it. Only whether it was accepted is returned.
bool accepts(const Bytes& image, std::size_t size) {
  const Bytes exact(image.begin(), image.begin() + static_cast<long>(size));
  const auto sound = parseWav(exact.data(), exact.size());
  if (sound) {
    EXPECT_GE(sound->frames.data(), exact.data());
    EXPECT_LE(sound->frames.data() + sound->frames.size(), exact.data() + exact.size());
  }
  return sound.has_value();
}
bool accepts(const Bytes& image) {
  return accepts(image, image.size());
}

TEST(WavImage, ReadsEverySupportedLayoutAndFindsItsSamples) {
  const std::pair<WavFormat, SampleType> cases[] = {
      {{.channels = 1, .bits = 8}, SampleType::Unsigned8},
      {{.channels = 2, .bits = 16}, SampleType::Signed16},
      {{.channels = 2, .bits = 24}, SampleType::Signed24},
      {{.channels = 6, .bits = 32}, SampleType::Signed32},
      {{.formatTag = 3, .channels = 2, .bits = 32}, SampleType::Float32},
      {{.channels = 2, .bits = 16, .extensible = true}, SampleType::Signed16},
      {{.formatTag = 3, .bits = 32, .extensible = true}, SampleType::Float32},
  };
  for (const auto& [format, type] : cases) {
    const auto image = makeWav(format);
    const auto sound = parseWav(image.data(), image.size());
    ASSERT_TRUE(sound) << static_cast<int>(type);
    EXPECT_EQ(sound->type, type);
    EXPECT_EQ(sound->channels, format.channels);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->frameBytes, format.channels * format.bits / 8);
    EXPECT_EQ(sound->frames.data(), image.data() + (format.extensible ? 68u : std::size_t{kData}));
    EXPECT_EQ(sound->frames.size(), 100u * sound->frameBytes);
  }
}

TEST(WavImage, ToleratesOtherChunksTrailingBytesMissingPadAndAPartialFrame) {
  const WavFormat format{.channels = 2};
  auto image = riff({fmtChunk(format), chunk("LIST", {'o', 'd', 'd'}), dataChunk(format)});
  image.insert(image.end(), 5, 0xEE);
  auto sound = parseWav(image.data(), image.size());
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames.size(), 400u);

  auto odd = makeWav({.bits = 8, .frames = 7});
  odd.pop_back();  // the pad byte of the last chunk
  set(odd, kRiffSize, static_cast<std::uint32_t>(odd.size() - 8), 4);
  EXPECT_TRUE(accepts(odd));

  auto partial = makeWav(format);
  set(partial, kDataSize, 399, 4);
  sound = parseWav(partial.data(), partial.size());
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames.size(), 396u);
}

TEST(WavImage, RefusesTruncatedImagesAndLyingHeaders) {
  const auto good = makeWav({.frames = 8});
  for (std::size_t size = 0; size < good.size(); ++size) EXPECT_FALSE(accepts(good, size)) << size;
  EXPECT_FALSE(parseWav(nullptr, 100));

  const std::tuple<std::size_t, std::uint32_t, int> lies[] = {
      {0, 'X', 1},
      {8, 'A', 1},
      {kRiffSize, 0xFFFFFFFF, 4},
      {kRiffSize, 2, 4},
      {kRiffSize, 40, 4},
      {kRiffSize, good.size() - 7, 4},
      {kDataSize, 0x7FFFFFFF, 4},
      {kDataSize, 0xFFFFFFF0, 4},
      {kDataSize, 1, 4},
      {kFmtSize, 14, 4},
      {kFmtSize, 0xFFFFFFF8, 4},
      {kFormatTag, 2, 2},
      {kFormatTag, 0xFFFE, 2},
      {kChannels, 0, 2},
      {kChannels, 9, 2},
      {kRate, 0, 4},
      {kRate, 1, 4},
      {kRate, 0xFFFFFFFF, 4},
      {kBlockAlign, 0, 2},
      {kBlockAlign, 3, 2},
      {kBits, 12, 2},
      {kBits, 0, 2},
  };
  for (const auto& [at, value, bytes] : lies) {
    auto image = good;
    set(image, at, value, bytes);
    EXPECT_FALSE(accepts(image)) << "field at " << at << " = " << value;
  }
  EXPECT_FALSE(accepts(riff({fmtChunk({})})));
  EXPECT_FALSE(accepts(riff({dataChunk({})})));
  EXPECT_FALSE(accepts(makeWav({.frames = 0})));
  EXPECT_FALSE(accepts(makeWav({.formatTag = 3, .bits = 16})));
  auto badGuid = makeWav({.extensible = true});
  badGuid[50] ^= 1;
  EXPECT_FALSE(accepts(badGuid));
}

TEST(WavImage, RandomDamageNeverReadsOutsideTheImage) {
  std::mt19937 random(20261207);
  const Bytes seeds[] = {makeWav(), makeWav({.channels = 2, .bits = 24, .frames = 5}),
                         makeWav({.formatTag = 3, .bits = 32, .frames = 3, .extensible = true})};
  for (int round = 0; round < 3000; ++round) {
    auto image = seeds[round % 3];
    for (int flips = 1 + random() % 6; flips > 0; --flips)
      image[random() % image.size()] = static_cast<unsigned char>(random());
    accepts(image, random() % 4 == 0 ? random() % (image.size() + 1) : image.size());
  }
}

}  // namespace
}  // namespace brenvolt
