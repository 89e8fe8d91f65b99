// The commands that take over the screen: quit question, instructions and
// the auto-play demonstration.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// Ends the program unless the answer is N; on N blanks the question.
void confirm_quit(GameState& game);

void draw_double_box(const GameState& game);
// Shows the rules in a box over the board and waits for any key.
void show_instructions(const GameState& game);

// Replays the stored solution from the start layout until it ends or a key
// stops it. The caller starts the puzzle over afterwards.
void auto_play(GameState& game);

}  // namespace blockslide
