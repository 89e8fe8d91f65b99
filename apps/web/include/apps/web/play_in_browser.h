// A program's puzzles played in its web page.
#pragma once

#include "engine/puzzle_set.h"

namespace blockslide {

// Plays until the player leaves, then leaves the last screen in the page and
// offers another game; returns the program's exit code.
int play_in_browser(const PuzzleSet& puzzles);

}  // namespace blockslide
