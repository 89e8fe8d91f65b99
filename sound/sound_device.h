// The platform's sound device, for the games' cues.
#pragma once

#include <memory>

#include "console/sound.h"

namespace blockslide {

std::unique_ptr<SoundPlayer> open_sound_device();

}  // namespace blockslide
