#pragma once

#include "engine/puzzle_set.h"

namespace blockslide {

// Runs a program's puzzles in the player's terminal; returns the exit code.
int play_in_terminal(const PuzzleSet& puzzles);

}  // namespace blockslide
