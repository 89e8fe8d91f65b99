// The spine of a game: start-up, the restart loop and the command loop.
#pragma once

#include "engine/game_state.h"
#include "engine/puzzle_set.h"

namespace blockslide {

// Plays one program's puzzles on the attached console until the player
// leaves; returns the exit code (0 on every way out).
int run_game(const PuzzleSet& puzzles);

// Lays the current puzzle out afresh and draws the whole game screen.
void start_new_game(GameState& game);

}  // namespace blockslide
