#include "engine/moves.h"

#include <string_view>

#include "console/console.h"
#include "console/keys.h"
#include "engine/block_painter.h"
#include "engine/program_end.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr std::string_view kDirectionPrompt = "Specify direction (arrow)";
constexpr int kPromptColor = 7;
constexpr int kGrayBarColor = 7;
constexpr int kStuckFlashInk = 1;  // blue on yellow: this block cannot move
constexpr int kStuckFlashBody = 14;
constexpr int kWrongWayFlashBody = 15;  // its own ink on white: not that way

bool is_free(int row, int column) {
    return attribute_background(console_cell_attribute(row, column)) == 0;
}

// Each test looks at the top-left character cell of every grid cell the
// block would enter.
bool can_move(const Block& block, int direction) {
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
        default:
            return false;
    }
}

bool is_single_direction(int directions) {
    return directions == kUp || directions == kRight || directions == kDown || directions == kLeft;
}

int direction_of_arrow(std::string_view key) {
    if (key.size() < 2) return 0;
    switch (static_cast<unsigned char>(key[1])) {
        case kScanUp:
            return kUp;
        case kScanRight:
            return kRight;
        case kScanDown:
            return kDown;
        case kScanLeft:
            return kLeft;
        default:
            return 0;
    }
}

bool is_command_letter(const GameState& game, std::string_view key) {
    return key.size() == 1 && game.puzzles->command_letters.find(key[0]) != std::string_view::npos;
}

void read_key(GameState& game) {
    game.last_key = upper_case_key(console_wait_key());
    game.command.clear();
}

enum class Choice { kRefused, kMoved, kTwoWays };

// A block key was typed: a block that cannot move is refused with a yellow
// flash, one with a single way moves at once, one with two ways waits for
// an arrow.
Choice choose_block(GameState& game, int number) {
    find_legal_directions(game, number);
    if (game.legal_directions == 0) {
        play_sound("beep2");
        flash_block(game, number, kStuckFlashInk, kStuckFlashBody, 1);
        return Choice::kRefused;
    }
    if (is_single_direction(game.legal_directions)) {
        execute_move(game, number, game.legal_directions);
        return Choice::kMoved;
    }
    return Choice::kTwoWays;
}

enum class Turn { kDone, kFirstPrompt };

// The direction prompt for block `number`, which has two legal directions.
// Returns kFirstPrompt when the player switched to a block that cannot move.
Turn choose_direction(GameState& game, int number) {
    show_centred_status(kDirectionPrompt, kPromptColor, 0);
    for (;;) {
        read_key(game);
        if (game.last_key == kEscapeKey) {
            game.quit_requested = true;
            return Turn::kDone;
        }
        if (is_command_letter(game, game.last_key)) {
            game.command = game.last_key;
            return Turn::kDone;
        }
        if (const int other = block_for_key(game, game.last_key); other != 0) {
            switch (choose_block(game, other)) {
                case Choice::kRefused:
                    return Turn::kFirstPrompt;
                case Choice::kMoved:
                    return Turn::kDone;
                case Choice::kTwoWays:
                    number = other;
                    continue;
            }
        }
        game.chosen_direction = direction_of_arrow(game.last_key);
        if ((game.chosen_direction & game.legal_directions) == 0) {
            play_sound("beep2");
            flash_block(game, number, 0, kWrongWayFlashBody, 1);
            continue;
        }
        execute_move(game, number, game.chosen_direction);
        blank_status_line();
        return Turn::kDone;
    }
}

}  // namespace

void find_legal_directions(GameState& game, int number) {
    const Block& block = game.block(number);
    game.legal_directions = 0;
    int count = 0;
    for (int direction : {kUp, kRight, kDown, kLeft}) {
        if (can_move(block, direction)) {
            game.legal_directions += direction;
            ++count;
        }
        // Two cells are free, so no block has a third way to go.
        if (count == 2 && (direction == kRight || direction == kDown)) return;
    }
}

void select_and_move(GameState& game) {
    game.legal_directions = 0;
    game.command.clear();
    for (;;) {
        read_key(game);
        if (game.history_length() == 0) draw_target_bar(game, kGrayBarColor);
        if (game.last_key == kEscapeKey) end_program();
        if (is_command_letter(game, game.last_key)) {
            game.command = game.last_key;
            return;
        }
        const int number = block_for_key(game, game.last_key);
        if (number == 0) {
            play_sound("beep2");
            continue;
        }
        switch (choose_block(game, number)) {
            case Choice::kRefused:
                continue;
            case Choice::kMoved:
                return;
            case Choice::kTwoWays:
                if (choose_direction(game, number) == Turn::kDone) return;
        }
    }
}

}  // namespace blockslide
