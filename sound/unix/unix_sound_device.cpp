// Sound on Unix: the clips mixed here and streamed to ALSA's default device,
// which is the sound server where one runs, or the sound card.
#include "sound/sound_device.h"
#include "sound/unix/alsa_output.h"
#include "sound/unix/streaming_sound.h"

namespace blockslide {

std::unique_ptr<SoundPlayer> open_sound_device() {
    return std::make_unique<StreamingSound>([] { return open_alsa_output("default"); });
}

}  // namespace blockslide
