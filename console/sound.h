// The game's sound cues, apart from the screen: each program picks a player
// for its platform, and a game with none attached stays silent.
#pragma once

#include <string_view>

namespace blockslide {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the named cue ("beep2", "ding2", "done2") and returns at once; a
    // later cue cuts off an earlier one. A cue that cannot be played is not heard.
    virtual void play(std::string_view cue) = 0;
};

// Plays nothing: for a game with no sound device, or played silently.
class SilentSound : public SoundPlayer {
public:
    void play(std::string_view) override {}
};

}  // namespace blockslide
