// Playing a named sound cue. The console holds one player for the whole
// game; each program picks the one for its platform, and players know
// nothing of the game's cues or of the terminal.
#pragma once

#include <string_view>

namespace blockslide {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the named clip and returns at once; a later cue cuts off an
    // earlier one, and a name with no clip plays nothing. False when no
    // device can take the cue now (there is none, it failed, or it is still
    // being opened), so that the caller may answer some other way.
    virtual bool play(std::string_view cue) = 0;
};

// Plays nothing, and is never at a loss for it: the player of a game
// started with --silent.
class SilentSound final : public SoundPlayer {
public:
    bool play(std::string_view) override { return true; }
};

}  // namespace blockslide
