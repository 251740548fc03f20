#include "sound/sdl/device_format.h"

#include <SDL2/SDL_audio.h>
#include <SDL2/SDL_mixer.h>

#include <climits>
#include <cstdint>
#include <memory>

#include "sound/sdl/sdl_calls.h"

namespace brenvolt {
namespace {

// The game's longest sound, its music, takes 3.4 MiB in the device's format; 16 MiB is about 95
// seconds of CD-quality stereo. The bound holds whatever the file says: a tiny sample rate
// stretches every frame of a small file into many, and the game keeps five sounds, so their
// samples together stay under 80 MiB.
constexpr std::uint64_t kMaxConvertedBytes = 16ull << 20;

SDL_AudioFormat sdlFormat(SampleType type) {
  switch (type) {
    case SampleType::Unsigned8:
      return AUDIO_U8;
    case SampleType::Signed16:
      return AUDIO_S16LSB;
    case SampleType::Signed24:  // widened to 32 bits first: SDL has no 24-bit format
    case SampleType::Signed32:
      return AUDIO_S32LSB;
    case SampleType::Float32:
      return AUDIO_F32LSB;
  }
  return AUDIO_S16LSB;
}

// Packed little-endian 24-bit samples as little-endian 32-bit ones, sign kept.
std::vector<Uint8> widen24(std::span<const unsigned char> samples) {
  std::vector<Uint8> out;
  out.reserve(samples.size() / 3 * 4);
  for (std::size_t i = 0; i + 3 <= samples.size(); i += 3) {
    out.push_back(0);
    out.insert(out.end(), samples.begin() + static_cast<std::ptrdiff_t>(i),
               samples.begin() + static_cast<std::ptrdiff_t>(i + 3));
  }
  return out;
}

struct StreamDeleter {
  void operator()(SDL_AudioStream* stream) const { sdlCalls()->FreeAudioStream(stream); }
};

}  // namespace

std::optional<std::vector<Uint8>> toDeviceFormat(const WavSound& sound) {
  int rate = 0;
  int channels = 0;
  Uint16 format = 0;
  const SdlCalls* sdl = sdlCalls();
  if (sdl == nullptr || sdl->QuerySpec(&rate, &format, &channels) == 0) return std::nullopt;

  const std::uint64_t frames = sound.frames.size() / static_cast<std::size_t>(sound.frameBytes);
  const std::uint64_t deviceFrameBytes =
      static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(format) / 8) * static_cast<unsigned>(channels);
  const std::uint64_t estimate =
      (frames * static_cast<unsigned>(rate) / static_cast<unsigned>(sound.sampleRate) + 1) *
      deviceFrameBytes;
  if (estimate > kMaxConvertedBytes) return std::nullopt;

  std::vector<Uint8> widened;
  std::span<const unsigned char> input = sound.frames;
  if (sound.type == SampleType::Signed24) {
    widened = widen24(sound.frames);
    input = widened;
  }
  if (input.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;

  std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(
      sdl->NewAudioStream(sdlFormat(sound.type), static_cast<Uint8>(sound.channels),
                          sound.sampleRate, format, static_cast<Uint8>(channels), rate));
  if (!stream) return std::nullopt;
  if (sdl->AudioStreamPut(stream.get(), input.data(), static_cast<int>(input.size())) != 0 ||
      sdl->AudioStreamFlush(stream.get()) != 0)
    return std::nullopt;
  const int available = sdl->AudioStreamAvailable(stream.get());
  if (available <= 0) return std::nullopt;
  std::vector<Uint8> out(static_cast<std::size_t>(available));
  const int got = sdl->AudioStreamGet(stream.get(), out.data(), available);
  if (got <= 0) return std::nullopt;
  out.resize(static_cast<std::size_t>(got));
  return out;
}

}  // namespace brenvolt
