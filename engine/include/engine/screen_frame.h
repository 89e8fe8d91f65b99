// The game screen around the blocks: gray box, command bar, puzzle number
// and the first prompt.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

void draw_screen_frame(const GameState& game);

}  // namespace blockslide
