// The sound device of the platform the program runs on.
#pragma once

#include <memory>

#include "sound/sound_player.h"

namespace blockslide {

// A player of the program's own clips that starts at once and never waits: a
// platform without a usable device gives a player that stays silent (or rings
// the terminal bell for refusals where it can).
std::unique_ptr<SoundPlayer> open_sound_device();

}  // namespace blockslide
