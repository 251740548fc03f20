// Builds RIFF/WAVE images in memory for the sound tests, with every header field open to
// tampering.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brenvolt::testing {

struct WavSpec {
  std::uint16_t formatTag = 1;
  std::uint16_t channels = 1;
  std::uint32_t sampleRate = 22050;
  std::uint16_t bits = 16;
  std::size_t frames = 100;
  bool extensible = false;  // wrap formatTag in a WAVE_FORMAT_EXTENSIBLE header
};

inline void put16(std::vector<unsigned char>& out, std::uint32_t v) {
  out.push_back(static_cast<unsigned char>(v & 0xFF));
  out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

inline void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

inline void putTag(std::vector<unsigned char>& out, const std::string& tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

inline void set32(std::vector<unsigned char>& image, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) image[at + i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

inline void set16(std::vector<unsigned char>& image, std::size_t at, std::uint16_t v) {
  image[at] = static_cast<unsigned char>(v & 0xFF);
  image[at + 1] = static_cast<unsigned char>(v >> 8);
}

inline std::vector<unsigned char> fmtChunk(const WavSpec& spec) {
  std::vector<unsigned char> c;
  const std::uint16_t blockAlign = static_cast<std::uint16_t>(spec.channels * spec.bits / 8);
  putTag(c, "fmt ");
  put32(c, spec.extensible ? 40 : 16);
  put16(c, spec.extensible ? 0xFFFE : spec.formatTag);
  put16(c, spec.channels);
  put32(c, spec.sampleRate);
  put32(c, spec.sampleRate * blockAlign);
  put16(c, blockAlign);
  put16(c, spec.bits);
  if (spec.extensible) {
    put16(c, 22);
    put16(c, spec.bits);
    put32(c, 0);
    put16(c, spec.formatTag);
    const unsigned char tail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                    0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    c.insert(c.end(), tail, tail + 14);
  }
  return c;
}

// A data chunk of a quiet saw tooth, so the samples are not all equal.
inline std::vector<unsigned char> dataChunk(const WavSpec& spec) {
  std::vector<unsigned char> c;
  const std::size_t bytes = spec.frames * spec.channels * (spec.bits / 8);
  putTag(c, "data");
  put32(c, static_cast<std::uint32_t>(bytes));
  for (std::size_t i = 0; i < bytes; ++i) c.push_back(static_cast<unsigned char>((i * 7) % 64));
  if (bytes & 1) c.push_back(0);
  return c;
}

// RIFF header around the given chunks, with the RIFF size telling the truth.
inline std::vector<unsigned char> riff(const std::vector<std::vector<unsigned char>>& chunks) {
  std::vector<unsigned char> out;
  putTag(out, "RIFF");
  put32(out, 0);
  putTag(out, "WAVE");
  for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
  set32(out, 4, static_cast<std::uint32_t>(out.size() - 8));
  return out;
}

inline std::vector<unsigned char> makeWav(const WavSpec& spec = {}) {
  return riff({fmtChunk(spec), dataChunk(spec)});
}

// Byte offsets inside a plain (non-extensible) image from makeWav.
constexpr std::size_t kRiffSizeAt = 4;
constexpr std::size_t kFmtSizeAt = 16;
constexpr std::size_t kFormatTagAt = 20;
constexpr std::size_t kChannelsAt = 22;
constexpr std::size_t kRateAt = 24;
constexpr std::size_t kBlockAlignAt = 32;
constexpr std::size_t kBitsAt = 34;
constexpr std::size_t kDataSizeAt = 40;
constexpr std::size_t kDataAt = 44;

}  // namespace brenvolt::testing
