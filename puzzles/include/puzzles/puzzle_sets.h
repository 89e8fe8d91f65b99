// The two programs' puzzle data.
#pragma once

#include "engine/puzzle_set.h"

namespace blockslide {

// FARNSWOG: one puzzle of ten blocks.
const PuzzleSet& farnswog_puzzles();
// TRAXOLUMBINE: two puzzles on one layout of nine blocks.
const PuzzleSet& traxolumbine_puzzles();

}  // namespace blockslide
