// The game's sound cues by what they mean; the names are those of the clips
// each program carries.
#pragma once

#include <string_view>

namespace blockslide::cue {

// A key that does nothing here, a block that cannot move, Back or Last with
// nothing to go back to. Where no sound can be played, the bell rings.
inline constexpr std::string_view kRefusal = "beep2";
// The quit question, a restart, the other puzzle, auto-play's start and end.
inline constexpr std::string_view kNotice = "ding2";
// The puzzle is solved.
inline constexpr std::string_view kSolved = "done2";

}  // namespace blockslide::cue
