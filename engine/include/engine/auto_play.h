// The A command: a demonstration of the stored solution.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// Replays the stored solution from the start layout until it ends or a key
// stops it. The caller starts the puzzle over afterwards.
void auto_play(GameState& game);

}  // namespace blockslide
