// A program's puzzles played in the player's terminal.
#pragma once

#include <string_view>

#include "engine/puzzle_set.h"

namespace blockslide {

struct PlayOptions {
    bool silent = false;  // --silent: no sound and no bell
    bool mouse = true;    // --no-mouse: the terminal's own text selection left alone
};

// How the game ended: its exit status, or the signal that ended it (the
// terminal has been given back either way).
struct PlayOutcome {
    int exit_status = 0;
    int signal_number = 0;
};

PlayOutcome play_in_terminal(const PuzzleSet& puzzles, const PlayOptions& options,
                             std::string_view program_name);

}  // namespace blockslide
