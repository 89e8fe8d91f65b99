#include "engine/mouse_gestures.h"

#include "console/screen_model.h"
#include "engine/direction.h"
#include "engine/game_state.h"
#include "engine/legal_moves.h"
#include "engine/screen_layout.h"

namespace blockslide {

namespace {

bool inside(const Block& block, int row, int column) {
    return row >= block.top_row && row < block.top_row + block.height &&
           column >= block.left_column && column < block.left_column + block.width;
}

// The block under a screen cell, or kNoBlock.
int block_at(const GameState& game, int row, int column) {
    for (int number = 1; number <= game.block_count(); ++number) {
        if (inside(game.block(number), row, column)) return number;
    }
    return kNoBlock;
}

// The way from a block to a screen cell in the strip beside it, or 0.
int direction_towards(const Block& block, int row, int column) {
    for (Direction direction : {kUp, kRight, kDown, kLeft}) {
        if (inside(shifted(block, direction), row, column) && !inside(block, row, column))
            return direction;
    }
    return 0;
}

// The word of the command bar under a screen cell: its letter, or 0.
char command_at(const GameState& game, int row, int column) {
    const int index = row - kCommandBarRow;
    if (index < 0 || index >= static_cast<int>(game.puzzle_set.command_bar.size())) return 0;
    const CommandWord& word = game.puzzle_set.command_bar[index];
    const int length = static_cast<int>(word.letter.size() + word.rest.size());
    const bool on_word = column >= kCommandBarColumn && column < kCommandBarColumn + length;
    return on_word ? word.letter[0] : 0;
}

// The board cell under a screen cell, counted across then down; -1 off the board.
int board_cell(int row, int column) {
    const int across = column - kBoardLeftColumn;
    const int down = row - kBoardTopRow;
    if (across < 0 || down < 0 || across >= kBoardColumns * kCellWidth ||
        down >= kBoardRows * kCellHeight)
        return -1;
    return down / kCellHeight * kBoardColumns + across / kCellWidth;
}

std::string block_key(const GameState& game, int number) {
    return std::string(game.puzzle_set.block_keys.substr(number - 1, 1));
}

std::string arrow_key(int direction) {
    switch (direction) {
        case kUp:
            return kUpKey;
        case kRight:
            return kRightKey;
        case kDown:
            return kDownKey;
        default:
            return kLeftKey;
    }
}

}  // namespace

void MouseGestures::take(const GameState& game, const MouseButton& button,
                         std::optional<int> chosen) {
    if (button.pressed) {
        pressed_ = button;
        return;
    }
    if (!pressed_) return;  // the press went to another screen
    clicked(game, button, chosen);
    pressed_.reset();
}

void MouseGestures::clicked(const GameState& game, const MouseButton& button,
                            std::optional<int> chosen) {
    const MouseButton& press = *pressed_;
    if (const int number = block_at(game, press.row, press.column); number != kNoBlock) {
        const Block& block = game.block(number);
        if (inside(block, button.row, button.column)) return add_key(block_key(game, number));
        const int direction = direction_towards(block, button.row, button.column);
        if (direction != 0) dragged(game, number, direction);
        return;
    }
    if (const char letter = command_at(game, press.row, press.column); letter != 0) {
        if (command_at(game, button.row, button.column) == letter) add_key(std::string(1, letter));
        return;
    }
    // A free cell beside the chosen block, the same one pressed and let go.
    if (!chosen || block_at(game, button.row, button.column) != kNoBlock) return;
    const Block& block = game.block(*chosen);
    const int direction = direction_towards(block, press.row, press.column);
    const bool same_cell =
        board_cell(press.row, press.column) == board_cell(button.row, button.column);
    if (direction != 0 && same_cell && (find_legal_directions(game, *chosen) & direction) != 0)
        add_key(arrow_key(direction));
}

void MouseGestures::dragged(const GameState& game, int number, int direction) {
    const int legal = find_legal_directions(game, number);
    if ((legal & direction) == 0) {
        refused_ = number;
        return;
    }
    add_key(block_key(game, number));
    if (!is_single_direction(legal)) add_key(arrow_key(direction));
}

void MouseGestures::add_key(std::string key) {
    if (key_count_ < keys_.size()) keys_[key_count_++] = std::move(key);
}

std::string MouseGestures::next_key() {
    if (next_ == key_count_) {
        next_ = key_count_ = 0;
        return {};
    }
    return std::move(keys_[next_++]);
}

std::optional<int> MouseGestures::take_refusal() {
    std::optional<int> refused = refused_;
    refused_.reset();
    return refused;
}

}  // namespace blockslide
