// Choosing, making and taking back moves.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// Moves a block one cell; the caller has checked that the move is legal.
// Repaints, counts, records (or with `undoing` removes the last record) and
// sets `solved` when the goal block reaches its goal place.
void execute_move(GameState& game, int number, int direction);

// Sets `legal_directions` from the background colours of the screen cells
// beside the block: a cell is free when its background is 0.
void find_legal_directions(GameState& game, int number);

// Reads keys until a command letter (left in `command`), one completed move,
// or Esc at the direction prompt (`quit_requested`). Esc as the first key of
// a turn ends the program.
void select_and_move(GameState& game);

// B: takes back the last recorded move (it counts as a move).
void back_move(GameState& game);
// L: flashes the block moved last.
void recall_last_block(GameState& game);

inline constexpr int kMoveCounterRow = 24;
inline constexpr int kMoveCounterColumn = 69;

}  // namespace blockslide
