// How the game answers a block that cannot do what was asked: the refusal
// cue (or the bell) and one flash of the block, in colours that say why.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// A block key for a block that cannot move at all: blue on yellow.
void refuse_stuck_block(const GameState& game, int number);
// A key or a drag the way the block cannot go: its own ink on white.
void refuse_wrong_way(const GameState& game, int number);

}  // namespace blockslide
