// The clips played through ALSA's PCM interface: the system's "default" device, which is the
// sound server (PulseAudio, PipeWire) where one runs, or the sound card itself.
#pragma once

#include <memory>

#include "sound/unix/streaming_sound.h"

namespace blockslide {

// The named ALSA device opened for the mixer's frames in small buffers; nothing when it cannot be
// opened. Prints nothing: ALSA's own error messages are silenced first.
std::unique_ptr<PcmOutput> open_alsa_output(const char* device_name);

}  // namespace blockslide
