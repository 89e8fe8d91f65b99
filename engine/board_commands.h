// The commands that act on the board and return to the command loop:
// B (back), L (last block) and F (face).
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// B: takes back the last recorded move (it counts as a move).
void back_move(GameState& game);
// L: flashes the block moved last.
void recall_last_block(const GameState& game);
// F: switches the face block between its two faces and redraws it.
void toggle_face(GameState& game);

}  // namespace blockslide
