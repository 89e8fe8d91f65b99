// The sound clips every program carries inside its own file.
#pragma once

#include <span>
#include <string_view>

namespace blockslide {

struct StoredClip {
    std::string_view name;                // upper case: "BEEP2"
    std::span<const unsigned char> wave;  // a whole RIFF WAVE file
};

std::span<const StoredClip> stored_clips();

// The clip of that name, in any case ("beep2" finds BEEP2); nullptr if none.
const StoredClip* find_clip(std::string_view name);

}  // namespace blockslide
