// Keeps whatever libraries print on standard error off the game's screen.
#pragma once

namespace blockslide {

// While alive, standard error goes to /dev/null if it is a terminal (an audio
// library's complaint would otherwise land in the middle of the board);
// redirected standard error is left alone. Restored on destruction, so the
// program's own messages afterwards are seen.
class MutedStderr {
public:
    MutedStderr();
    ~MutedStderr();
    MutedStderr(const MutedStderr&) = delete;
    MutedStderr& operator=(const MutedStderr&) = delete;

private:
    int saved_ = -1;
};

}  // namespace blockslide
