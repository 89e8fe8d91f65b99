// Making one move: the block slides, is repainted, counted and recorded.
#pragma once

#include "engine/direction.h"
#include "engine/game_state.h"

namespace blockslide {

// Who makes a move: the player; Back, which takes the newest record off
// instead of adding one; or auto-play, whose caption stays on the status line.
enum class MoveMaker { kPlayer, kBack, kAutoPlay };

// Moves a block one cell; the caller has checked that the move is legal.
// Repaints, counts, records and sets `solved` when the goal block reaches
// its goal place.
void execute_move(GameState& game, int number, Direction direction,
                  MoveMaker maker = MoveMaker::kPlayer);

}  // namespace blockslide
