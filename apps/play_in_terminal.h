#pragma once

#include "engine/puzzle_set.h"

namespace blockslide {

struct PlayOptions {
    bool silent = false;  // --silent: no sound and no bell
};

// Runs a program's puzzles in the player's terminal; returns the exit code.
int play_in_terminal(const PuzzleSet& puzzles, const PlayOptions& options);

}  // namespace blockslide
