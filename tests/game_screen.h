// The pieces of the game screen painted into an expected screen: the frame
// (gray box, command bar, puzzle number, first prompt), the blocks with their
// labels or face, and the target bar.
#pragma once

#include "tests/expected_screen.h"
#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {

void paint_frame(ExpectedScreen& screen, const ProgramFacts& program, int game_number);
void paint_target_bar(ExpectedScreen& screen, int first_row, int color);
// `ink` and `body` of 0 select the block's own colours.
void paint_block(ExpectedScreen& screen, const ProgramFacts& program, int number,
                 const BlockPlace& place, FaceLook face, int ink = 0, int body = 0);

// Every block where the board has it, in its own colours; the rest of the
// screen black blanks.
ExpectedScreen expected_board(const ShadowBoard& board);
// One block where the board has it, in the given colours (a flash).
ExpectedScreen expected_block(const ShadowBoard& board, int number, int ink, int body);
// The frame, the board and the target bar of that puzzle: a puzzle start
// shows it with a yellow bar.
ExpectedScreen game_screen(const ShadowBoard& board, int game_number, int bar_color);

}  // namespace blockslide::testing
