// Converting decoded WAVE samples to the format of the open mixer device.
#pragma once

#include <SDL2/SDL_stdinc.h>

#include <optional>
#include <vector>

#include "sound/wav_image.h"

namespace brenvolt {

// The samples of `sound` resampled and remixed for the open device, or nothing when they
// cannot be converted or would take more than 16 MiB once converted.
std::optional<std::vector<Uint8>> toDeviceFormat(const WavSound& sound);

}  // namespace brenvolt
