// Making one move: the block slides, is repainted, counted and recorded.
#pragma once

#include "engine/direction.h"
#include "engine/game_state.h"

namespace blockslide {

// Moves a block one cell; the caller has checked that the move is legal.
// Repaints, counts, records (or with `undoing` removes the last record) and
// sets `solved` when the goal block reaches its goal place.
void execute_move(GameState& game, int number, Direction direction);

}  // namespace blockslide
