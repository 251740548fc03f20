#include "sound/wav_image.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/sound/wav_builder.h"

namespace brenvolt {
namespace {

using testing::makeWav;
using testing::WavSpec;

// Parses a copy that owns exactly `size` bytes, so a read past the end is caught by the
// address sanitizer. The copy is gone on return: the result's `frames` must not be read.
std::optional<WavSound> parseCopy(const std::vector<unsigned char>& image, std::size_t size) {
  std::vector<unsigned char> exact(image.begin(), image.begin() + static_cast<long>(size));
  auto sound = parseWav(exact.data(), exact.size());
  if (sound) {
    EXPECT_GE(sound->frames.data(), exact.data());
    EXPECT_LE(sound->frames.data() + sound->frames.size(), exact.data() + exact.size());
  }
  return sound;
}

std::optional<WavSound> parseCopy(const std::vector<unsigned char>& image) {
  return parseCopy(image, image.size());
}

TEST(WavImage, ReadsEverySupportedSampleLayout) {
  struct Case {
    WavSpec spec;
    SampleType type;
  };
  const Case cases[] = {
      {{.formatTag = 1, .channels = 1, .bits = 8}, SampleType::Unsigned8},
      {{.formatTag = 1, .channels = 2, .bits = 16}, SampleType::Signed16},
      {{.formatTag = 1, .channels = 2, .bits = 24}, SampleType::Signed24},
      {{.formatTag = 1, .channels = 6, .bits = 32}, SampleType::Signed32},
      {{.formatTag = 3, .channels = 2, .bits = 32}, SampleType::Float32},
      {{.formatTag = 1, .channels = 2, .bits = 16, .extensible = true}, SampleType::Signed16},
      {{.formatTag = 3, .channels = 1, .bits = 32, .extensible = true}, SampleType::Float32},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.type));
    const auto image = makeWav(c.spec);
    const auto sound = parseCopy(image);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->type, c.type);
    EXPECT_EQ(sound->channels, c.spec.channels);
    EXPECT_EQ(sound->sampleRate, static_cast<int>(c.spec.sampleRate));
    EXPECT_EQ(sound->frameBytes, c.spec.channels * c.spec.bits / 8);
    EXPECT_EQ(sound->frames.size(), c.spec.frames * static_cast<std::size_t>(sound->frameBytes));
    const auto inPlace = parseWav(image.data(), image.size());
    ASSERT_TRUE(inPlace);
    EXPECT_EQ(inPlace->frames.data(), image.data() + (c.spec.extensible ? 68 : 44));
  }
}

TEST(WavImage, ToleratesOtherChunksPaddingAndTrailingBytes) {
  const WavSpec spec;
  // An odd-sized chunk before the data needs its pad byte to find the next chunk.
  std::vector<unsigned char> list;
  testing::putTag(list, "LIST");
  testing::put32(list, 3);
  list.insert(list.end(), {'a', 'b', 'c', 0});
  auto image = testing::riff({testing::fmtChunk(spec), list, testing::dataChunk(spec)});
  auto sound = parseCopy(image);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames.size(), spec.frames * 2);

  // Bytes after the RIFF chunk are not part of the sound.
  image.insert(image.end(), 5, 0xEE);
  sound = parseCopy(image);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames.size(), spec.frames * 2);

  // A last chunk of odd size whose pad byte is missing.
  WavSpec odd{.channels = 1, .bits = 8, .frames = 7};
  auto oddImage = makeWav(odd);
  oddImage.pop_back();
  testing::set32(oddImage, testing::kRiffSizeAt, static_cast<std::uint32_t>(oddImage.size() - 8));
  sound = parseCopy(oddImage);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames.size(), 7u);
}

TEST(WavImage, DropsAPartialFrameAtTheEnd) {
  auto image = makeWav({.channels = 2, .bits = 16, .frames = 10});
  testing::set32(image, testing::kDataSizeAt, 10 * 4 - 1);
  const auto sound = parseCopy(image);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames.size(), 9u * 4u);
}

TEST(WavImage, RefusesEveryTruncation) {
  const auto image = makeWav({.frames = 8});
  for (std::size_t size = 0; size < image.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_FALSE(parseCopy(image, size));
  }
  EXPECT_FALSE(parseWav(nullptr, 100));
}

TEST(WavImage, RefusesHeadersThatLie) {
  const auto good = makeWav();
  auto tampered = [&](auto change) {
    auto image = good;
    change(image);
    return parseCopy(image).has_value();
  };
  using testing::set16;
  using testing::set32;
  EXPECT_FALSE(tampered([](auto& i) { i[0] = 'X'; }));
  EXPECT_FALSE(tampered([](auto& i) { i[8] = 'A'; }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kRiffSizeAt, 0xFFFFFFFF); }));
  EXPECT_FALSE(tampered([&](auto& i) { set32(i, testing::kRiffSizeAt, good.size() - 7); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kRiffSizeAt, 2); }));
  // The data chunk claims more than the RIFF chunk holds.
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kDataSizeAt, 0x7FFFFFFF); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kDataSizeAt, 0xFFFFFFF0); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kRiffSizeAt, 40); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kFmtSizeAt, 14); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kFmtSizeAt, 0xFFFFFFF8); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kFormatTagAt, 2); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kFormatTagAt, 0xFFFE); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kChannelsAt, 0); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kChannelsAt, 9); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kRateAt, 0); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kRateAt, 1); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kRateAt, 0xFFFFFFFF); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kBlockAlignAt, 0); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kBlockAlignAt, 3); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kBitsAt, 12); }));
  EXPECT_FALSE(tampered([](auto& i) { set16(i, testing::kBitsAt, 0); }));
  EXPECT_FALSE(tampered([](auto& i) { set32(i, testing::kDataSizeAt, 1); }));

  const WavSpec spec;
  EXPECT_FALSE(parseCopy(testing::riff({testing::fmtChunk(spec)})));
  EXPECT_FALSE(parseCopy(testing::riff({testing::dataChunk(spec)})));
  EXPECT_FALSE(parseCopy(makeWav({.frames = 0})));
  auto floatBits = makeWav({.formatTag = 3, .channels = 1, .bits = 16});
  EXPECT_FALSE(parseCopy(floatBits));
  auto badGuid = makeWav({.extensible = true});
  badGuid[12 + 8 + 30] ^= 0x01;
  EXPECT_FALSE(parseCopy(badGuid));
}

TEST(WavImage, RandomDamageNeverReadsOutsideTheImage) {
  std::mt19937 random(20261207);
  const std::vector<std::vector<unsigned char>> seeds = {
      makeWav(), makeWav({.formatTag = 1, .channels = 2, .bits = 24, .frames = 5}),
      makeWav({.formatTag = 3, .channels = 2, .bits = 32, .frames = 3, .extensible = true})};
  for (int round = 0; round < 3000; ++round) {
    auto image = seeds[static_cast<std::size_t>(round) % seeds.size()];
    const int flips = 1 + static_cast<int>(random() % 6);
    for (int f = 0; f < flips; ++f)
      image[random() % image.size()] = static_cast<unsigned char>(random());
    const std::size_t size = random() % 4 == 0 ? random() % (image.size() + 1) : image.size();
    parseCopy(image, size);
  }
}

}  // namespace
}  // namespace brenvolt
