// The instructions screen: the rules in a box over the board.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// Shows the rules of the current puzzle and waits for any key.
void show_instructions(const GameState& game);

}  // namespace blockslide
