// Which ways a block can slide, read from the screen: the screen is the
// board's record of which cells are taken.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// The set of directions in which the block can move one cell, read from the
// background colours of the screen cells beside it: a cell is free when its
// background is black.
int find_legal_directions(const GameState& game, int number);

}  // namespace blockslide
