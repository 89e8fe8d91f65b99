#include "console/console.h"
#include "engine/block_painter.h"
#include "engine/moves.h"

namespace blockslide {

void back_move(GameState& game) {
    if (game.history_length() == 0) {
        play_sound("beep2");
        return;
    }
    // No legality test: the block goes back into the cells it just left.
    const MoveRecord last = game.history.last();
    game.undoing = true;
    execute_move(game, last.block, reverse_direction(last.direction));
    game.undoing = false;
}

void recall_last_block(GameState& game) {
    if (game.history_length() == 0) {
        play_sound("beep2");
        return;
    }
    flash_block(game, game.history.last().block, 4, 15, 1);
}

}  // namespace blockslide
