// Reading the header of a RIFF/WAVE file image held in memory.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace brenvolt {

enum class SampleType { Unsigned8, Signed16, Signed24, Signed32, Float32 };

// The playable part of a WAVE image: a view into the image, valid as long as the image is.
struct WavSound {
  SampleType type;
  int channels;
  int sampleRate;
  int frameBytes;                         // bytes of one sample for every channel
  std::span<const unsigned char> frames;  // whole frames only, little-endian as stored
};

// Accepts uncompressed PCM (8, 16, 24, 32 bit) and 32-bit float, plain or in the extensible
// format, 1 to 8 channels. The image must be complete: a RIFF size or a chunk size that reaches
// past `size` makes it unusable, and nothing outside [image, image + size) is ever read. Bytes
// after the end of the RIFF chunk are ignored. The byte-rate field is not checked (writers get
// it wrong and it is not needed); the block alignment must match the sample layout, since it
// is the size of a frame. A sound without a single whole frame is unusable.
std::optional<WavSound> parseWav(const unsigned char* image, std::size_t size);

}  // namespace brenvolt
