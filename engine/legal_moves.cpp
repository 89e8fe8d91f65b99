#include "engine/legal_moves.h"

#include "console/colors.h"
#include "console/console.h"
#include "console/screen_model.h"

namespace blockslide {

namespace {

bool is_free(int row, int column) {
    return attribute_background(console_cell_attribute(row, column)) == color::kBlack;
}

// Each test looks at the top-left character cell of every grid cell the
// block would enter.
bool can_move(const Block& block, Direction direction) {
    const int t = block.top_row;
    const int l = block.left_column;
    const int w = block.width;
    const int h = block.height;
    const bool wide = w > kCellWidth;
    const bool tall = h > kCellHeight;
    switch (direction) {
        case kUp:
            return is_free(t - 1, l) && (!wide || is_free(t - 1, l + kCellWidth));
        case kRight:
            return is_free(t, l + w) && (!tall || is_free(t + kCellHeight, l + w));
        case kDown:
            return is_free(t + h, l) && (!wide || is_free(t + h, l + kCellWidth));
        case kLeft:
            return is_free(t, l - 1) && (!tall || is_free(t + kCellHeight, l - 1));
    }
    return false;
}

}  // namespace

int find_legal_directions(const GameState& game, int number) {
    const Block& block = game.block(number);
    // Two cells are free, so no block has more than two ways to go.
    int legal_directions = 0;
    for (Direction direction : {kUp, kRight, kDown, kLeft}) {
        if (can_move(block, direction)) legal_directions += direction;
    }
    return legal_directions;
}

}  // namespace blockslide
