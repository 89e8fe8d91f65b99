#include "engine/move_execution.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "console/screen_model.h"
#include "engine/block_painter.h"
#include "engine/screen_layout.h"
#include "engine/status_line.h"
#include "engine/text_runs.h"

namespace blockslide {

namespace {

constexpr int kMoveCounterColor = color::kLightCyan;
constexpr std::string_view kMoveCounterLabel = "Moves: ";

void blank_rectangle(int top_row, int left_column, int width, int height) {
    console_set_color(color::kBlack, color::kBlack);
    for (int row = top_row; row < top_row + height; ++row) {
        console_locate(row, left_column);
        console_print(blanks(width));
    }
}

// Blanks the one-cell-deep strip the block has just left.
void blank_vacated_strip(const Block& moved, Direction direction) {
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
    }
}

// "Moves: " and the count from the counter's column, blanks after it to the end of the
// row to wipe a longer number shown there before. A count too long for that
// room starts further left, so the text never runs past column 80.
void show_move_count(int move_count) {
    char text[32];
    char* end = std::copy(kMoveCounterLabel.begin(), kMoveCounterLabel.end(), text);
    end = std::to_chars(end, text + sizeof text, move_count).ptr;
    const std::string_view counter(text, static_cast<std::size_t>(end - text));
    const int length = static_cast<int>(counter.size());
    const int column = std::min(kMoveCounterColumn, kScreenColumns + 1 - length);
    console_set_color(kMoveCounterColor, color::kBlack);
    console_locate(kStatusRow, column);
    console_print(counter);
    console_print(blanks(kScreenColumns + 1 - column - length));
}

bool goal_reached(const GameState& game, int number) {
    const Puzzle& puzzle = game.puzzle();
    const Block& block = game.block(number);
    return number == puzzle.goal_block && block.top_row == puzzle.goal_top_row &&
           block.left_column == puzzle.goal_left_column;
}

// What every move does: the block slides one cell and is repainted, the
// counter counts it, and the goal is tested.
void slide_and_count(GameState& game, int number, Direction direction) {
    Block& block = game.blocks[number];
    block = shifted(block, direction);
    // Drawn before the blanking: a two-cell block still covers half its old place.
    draw_block(game, number);
    blank_vacated_strip(block, direction);
    show_move_count(++game.move_count);
    if (goal_reached(game, number)) game.solved = true;
}

}  // namespace

void execute_move(GameState& game, int number, Direction direction) {
    slide_and_count(game, number, direction);
    game.history.push(MoveRecord{number, direction});
    blank_status_line();
}

void execute_back_move(GameState& game, int number, Direction direction) {
    slide_and_count(game, number, direction);
    game.history.pop();
    blank_status_line();
}

void execute_demonstration_move(GameState& game, int number, Direction direction) {
    slide_and_count(game, number, direction);
    game.history.push(MoveRecord{number, direction});
}

}  // namespace blockslide
