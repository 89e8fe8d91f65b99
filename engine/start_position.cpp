#include "engine/start_position.h"

#include "engine/block_painter.h"
#include "engine/screen_frame.h"

namespace blockslide {

void draw_start_position(GameState& game, int bar_color) {
    set_up_puzzle(game);
    draw_screen_frame(game);
    for (int number = 1; number <= game.block_count(); ++number) draw_block(game, number);
    draw_target_bar(game, bar_color);
}

}  // namespace blockslide
