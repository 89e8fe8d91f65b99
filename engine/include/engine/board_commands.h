// The commands that act on the board and return to the command loop:
// B (back), L (last block), T (tip) and F (face).
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// B: takes back the last recorded move (it counts as a move).
void back_move(GameState& game);
// L: flashes the block moved last.
void recall_last_block(const GameState& game);
// T: how many moves are left at best, on the status line, and the block
// that starts a shortest way flashed as L flashes (which way, it leaves to
// the player). Not a move: the counter and the history stay as they are.
void show_tip(GameState& game);
// F: switches the face block between its two faces and redraws it.
void toggle_face(GameState& game);

}  // namespace blockslide
