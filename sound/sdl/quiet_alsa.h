// ALSA prints its configuration errors straight to the terminal (for example on a machine
// without a sound card, every time SDL probes for a device).
#pragma once

namespace brenvolt {

// Routes ALSA's error messages to nowhere, if ALSA is installed at all. Safe to call again.
void silenceAlsaErrors();

}  // namespace brenvolt
