// RIFF/WAVE images in memory for the sound tests, which then tamper with their fields.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace brenvolt::testing {

using Bytes = std::vector<unsigned char>;

struct WavFormat {
  std::uint16_t formatTag = 1;
  std::uint16_t channels = 1;
  std::uint32_t sampleRate = 22050;
  std::uint16_t bits = 16;
  std::size_t frames = 100;
  bool extensible = false;  // formatTag wrapped in a WAVE_FORMAT_EXTENSIBLE header
};

inline void set(Bytes& image, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) image[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A chunk with its id, size, body and pad byte.
inline Bytes chunk(const std::string& id, Bytes body) {
  Bytes c(id.begin(), id.end());
  c.resize(8);
  set(c, 4, static_cast<std::uint32_t>(body.size()), 4);
  if (body.size() & 1) body.push_back(0);
  c.insert(c.end(), body.begin(), body.end());
  return c;
}

inline Bytes fmtChunk(const WavFormat& s) {
  Bytes b(s.extensible ? 40 : 16);
  const std::uint32_t blockAlign = s.channels * s.bits / 8u;
  set(b, 0, s.extensible ? 0xFFFE : s.formatTag, 2), set(b, 2, s.channels, 2);
  set(b, 4, s.sampleRate, 4), set(b, 8, s.sampleRate * blockAlign, 4);
  set(b, 12, blockAlign, 2), set(b, 14, s.bits, 2);
  if (s.extensible) {
    set(b, 16, 22, 2), set(b, 18, s.bits, 2), set(b, 24, s.formatTag, 2);
    const Bytes tail{0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    std::copy(tail.begin(), tail.end(), b.begin() + 26);
  }
  return chunk("fmt ", b);
}

// A quiet saw tooth, so the samples are not all equal.
inline Bytes dataChunk(const WavFormat& s) {
  Bytes b(s.frames * s.channels * (s.bits / 8u));
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<unsigned char>((i * 7) % 64);
  return chunk("data", b);
}

// The RIFF header, telling the truth about its size, around the chunks.
inline Bytes riff(const std::vector<Bytes>& chunks) {
  Bytes out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
  set(out, 4, static_cast<std::uint32_t>(out.size() - 8), 4);
  return out;
}

inline Bytes makeWav(const WavFormat& format = {}) {
  return riff({fmtChunk(format), dataChunk(format)});
}

// Byte offsets of the fields of a plain image from makeWav.
enum Field : std::size_t {
  kRiffSize = 4,
  kFmtSize = 16,
  kFormatTag = 20,
  kChannels = 22,
  kRate = 24,
  kBlockAlign = 32,
  kBits = 34,
  kDataSize = 40,
  kData = 44
};

}  // namespace brenvolt::testing
