#include "engine/moves.h"

#include <charconv>

#include "console/console.h"
#include "engine/block_painter.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr int kMoveCounterColor = 11;

void shift_block(Block& block, int direction) {
    switch (direction) {
        case kUp:
            block.top_row -= kCellHeight;
            break;
        case kRight:
            block.left_column += kCellWidth;
            break;
        case kDown:
            block.top_row += kCellHeight;
            break;
        case kLeft:
            block.left_column -= kCellWidth;
            break;
        default:
            break;
    }
}

void blank_rectangle(int top_row, int left_column, int width, int height) {
    console_set_color(0, 0);
    for (int row = top_row; row < top_row + height; ++row) {
        console_locate(row, left_column);
        console_print(blanks(width));
    }
}

// Blanks the one-cell-deep strip the block has just left.
void blank_vacated_strip(const Block& moved, int direction) {
    const int w = moved.width;
    const int h = moved.height;
    const int t = moved.top_row;
    const int l = moved.left_column;
    switch (direction) {
        case kUp:
            blank_rectangle(t + h, l, w, kCellHeight);
            break;
        case kDown:
            blank_rectangle(t - kCellHeight, l, w, kCellHeight);
            break;
        case kRight:
            blank_rectangle(t, l - kCellWidth, kCellWidth, h);
            break;
        case kLeft:
            blank_rectangle(t, l + w, kCellWidth, h);
            break;
        default:
            break;
    }
}

// "Moves:", the count with a blank before and after it, and five blanks that
// wipe the digits of a longer number written there before. The blanks run on
// past column 80 into row 25, where they change nothing visible.
void show_move_count(int move_count) {
    char text[32] = "Moves: ";
    char* end = std::to_chars(text + 7, text + 20, move_count).ptr;
    std::string_view counter(text, static_cast<std::size_t>(end - text));
    console_set_color(kMoveCounterColor, 0);
    console_locate(kMoveCounterRow, kMoveCounterColumn);
    console_print(counter);
    console_print(blanks(6));
}

bool goal_reached(const GameState& game, int number) {
    const Puzzle& puzzle = game.puzzle();
    const Block& block = game.block(number);
    return number == puzzle.goal_block && block.top_row == puzzle.goal_top_row &&
           block.left_column == puzzle.goal_left_column;
}

}  // namespace

void execute_move(GameState& game, int number, int direction) {
    Block& block = game.blocks[number];
    shift_block(block, direction);
    // Drawn before the blanking: a two-cell block still covers half its old place.
    draw_block(game, number, 0, 0);
    blank_vacated_strip(block, direction);

    ++game.move_count;
    show_move_count(game.move_count);

    if (game.undoing) {
        game.history.pop();
    } else {
        game.history.push(MoveRecord{number, direction});
    }
    if (!game.auto_playing) blank_status_line();
    if (goal_reached(game, number)) game.solved = true;
}

}  // namespace blockslide
