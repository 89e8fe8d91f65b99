// Making one move: the block slides, is repainted, counted and recorded.
#pragma once

#include "engine/direction.h"
#include "engine/game_state.h"

namespace blockslide {

// Moves a block one cell; the caller has checked that the move is legal.
// Repaints it, counts it, blanks the status line and sets `solved` when the
// goal block reaches its goal place. The player's move is recorded.
void execute_move(GameState& game, int number, Direction direction);
// The same for Back's move, which takes the newest record off instead.
void execute_back_move(GameState& game, int number, Direction direction);
// The same for auto-play's move, recorded, whose caption stays on the status line.
void execute_demonstration_move(GameState& game, int number, Direction direction);

}  // namespace blockslide
