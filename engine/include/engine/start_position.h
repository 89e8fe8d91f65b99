// A puzzle's start position on a fresh screen.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// Lays every block on its start place and draws the frame, every block and
// the target bar in `bar_color`. Counters and history are the caller's.
void draw_start_position(GameState& game, int bar_color);

}  // namespace blockslide
