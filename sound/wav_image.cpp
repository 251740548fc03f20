#include "sound/wav_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace brenvolt {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr std::uint32_t kMinRate = 1000;
constexpr std::uint32_t kMaxRate = 384000;

// The GUID of an extensible format's sub-format, after its first two bytes (the format tag).
constexpr unsigned char kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                              0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t le16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool tagIs(const unsigned char* p, const char (&tag)[5]) {
  return std::memcmp(p, tag, 4) == 0;
}

struct Format {
  SampleType type;
  int channels;
  int sampleRate;
  int frameBytes;
};

std::optional<SampleType> sampleType(std::uint16_t formatTag, std::uint16_t bits) {
  if (formatTag == kFormatFloat) {
    if (bits == 32) return SampleType::Float32;
    return std::nullopt;
  }
  if (formatTag != kFormatPcm) return std::nullopt;
  switch (bits) {
    case 8:
      return SampleType::Unsigned8;
    case 16:
      return SampleType::Signed16;
    case 24:
      return SampleType::Signed24;
    case 32:
      return SampleType::Signed32;
    default:
      return std::nullopt;
  }
}

std::optional<Format> parseFormat(const unsigned char* body, std::size_t size) {
  if (size < 16) return std::nullopt;
  std::uint16_t formatTag = le16(body);
  const std::uint16_t channels = le16(body + 2);
  const std::uint32_t rate = le32(body + 4);
  const std::uint16_t blockAlign = le16(body + 12);
  const std::uint16_t bits = le16(body + 14);
  if (formatTag == kFormatExtensible) {
    if (size < 40 || le16(body + 16) < 22) return std::nullopt;
    if (std::memcmp(body + 26, kSubFormatTail, sizeof kSubFormatTail) != 0) return std::nullopt;
    formatTag = le16(body + 24);
  }
  const auto type = sampleType(formatTag, bits);
  if (!type || channels < 1 || channels > kMaxChannels) return std::nullopt;
  if (rate < kMinRate || rate > kMaxRate) return std::nullopt;
  const int frameBytes = channels * (bits / 8);
  if (blockAlign != frameBytes) return std::nullopt;
  return Format{*type, channels, static_cast<int>(rate), frameBytes};
}

}  // namespace

std::optional<WavSound> parseWav(const unsigned char* image, std::size_t size) {
  if (image == nullptr || size < 12) return std::nullopt;
  if (!tagIs(image, "RIFF") || !tagIs(image + 8, "WAVE")) return std::nullopt;
  const std::uint32_t riffSize = le32(image + 4);
  if (riffSize < 4 || riffSize > size - 8) return std::nullopt;
  const std::size_t end = 8 + static_cast<std::size_t>(riffSize);

  std::optional<Format> format;
  bool formatSeen = false;
  std::span<const unsigned char> data;
  bool dataSeen = false;
  // Each chunk is an id, a size and a body padded to an even length; the pad byte of the last
  // chunk is often missing, which is harmless.
  for (std::size_t pos = 12; pos + 8 <= end;) {
    const unsigned char* header = image + pos;
    const std::size_t bodyStart = pos + 8;
    const std::size_t bodySize = le32(header + 4);
    if (bodySize > end - bodyStart) return std::nullopt;
    if (tagIs(header, "fmt ") && !formatSeen) {
      formatSeen = true;
      format = parseFormat(image + bodyStart, bodySize);
      if (!format) return std::nullopt;
    } else if (tagIs(header, "data") && !dataSeen) {
      dataSeen = true;
      data = {image + bodyStart, bodySize};
    }
    pos = bodyStart + bodySize + (bodySize & 1);
  }
  if (!format || !dataSeen) return std::nullopt;

  const std::size_t wholeFrames = data.size() / static_cast<std::size_t>(format->frameBytes);
  if (wholeFrames == 0) return std::nullopt;
  return WavSound{format->type, format->channels, format->sampleRate, format->frameBytes,
                  data.first(wholeFrames * static_cast<std::size_t>(format->frameBytes))};
}

}  // namespace brenvolt
