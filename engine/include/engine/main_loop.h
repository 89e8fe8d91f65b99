// The spine of a game: start-up, the restart loop and the command loop.
#pragma once

#include "engine/game_state.h"
#include "engine/puzzle_set.h"

namespace blockslide {

// Plays one program's puzzles on the attached console until the player
// leaves; returns the program's exit code, which is 0 on every way out.
int run_game(const PuzzleSet& puzzles);

// Starts the current puzzle over: empty history, counters at zero, and the
// start position drawn afresh.
void start_new_game(GameState& game);

}  // namespace blockslide
