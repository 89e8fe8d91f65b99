#include "engine/selection.h"

#include <optional>
#include <string>
#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "console/keys.h"
#include "engine/block_painter.h"
#include "engine/cues.h"
#include "engine/legal_moves.h"
#include "engine/move_execution.h"
#include "engine/player_input.h"
#include "engine/program_end.h"
#include "engine/refusals.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr std::string_view kDirectionPrompt = "Specify direction (arrow)";
constexpr int kPromptColor = color::kLightGray;
constexpr int kGrayBarColor = color::kLightGray;

// The direction of an arrow key, or 0 for any other key.
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

// The program's own letters, and T, the tip, which the command bar keeps
// quiet about.
bool is_command_letter(const GameState& game, std::string_view key) {
    if (key.size() != 1) return false;
    return key[0] == kTipLetter ||
           game.puzzle_set.command_letters.find(key[0]) != std::string_view::npos;
}

enum class Choice { kRefused, kMoved, kTwoWays };

// A block key was typed: a block that cannot move is refused with a yellow
// flash, one with a single way moves at once, one with two ways waits for
// an arrow (its directions are then in `legal_directions`).
Choice choose_block(GameState& game, int number, int& legal_directions) {
    legal_directions = find_legal_directions(game, number);
    if (legal_directions == 0) {
        refuse_stuck_block(game, number);
        return Choice::kRefused;
    }
    if (is_single_direction(legal_directions)) {
        execute_move(game, number, static_cast<Direction>(legal_directions));
        return Choice::kMoved;
    }
    return Choice::kTwoWays;
}

// The direction prompt for block `number`, which has two legal directions.
// Returns nothing when the player switched to a block that cannot move: the
// turn goes back to the first prompt.
std::optional<PlayerTurn> choose_direction(GameState& game, PlayInput& input, int number,
                                           int legal_directions) {
    show_centred_status(kDirectionPrompt, kPromptColor, color::kBlack);
    for (;;) {
        const std::string key = input.read_key(game, number);
        if (key == kEscapeKey) return PlayerTurn{.quit_requested = true};
        if (is_command_letter(game, key)) return PlayerTurn{.command = key[0]};
        if (const int other = block_for_key(game, key); other != kNoBlock) {
            switch (choose_block(game, other, legal_directions)) {
                case Choice::kRefused:
                    return std::nullopt;
                case Choice::kMoved:
                    return PlayerTurn{};
                case Choice::kTwoWays:
                    number = other;
                    continue;
            }
        }
        const int chosen_direction = direction_of_arrow(key);
        if ((chosen_direction & legal_directions) == 0) {
            refuse_wrong_way(game, number);
            continue;
        }
        execute_move(game, number, static_cast<Direction>(chosen_direction));  // blanks the prompt
        return PlayerTurn{};
    }
}

}  // namespace

PlayerTurn select_and_move(GameState& game, PlayInput& input) {
    for (;;) {
        const std::string key = input.read_key(game, std::nullopt);
        if (game.history.empty()) draw_target_bar(game, kGrayBarColor);
        if (key == kEscapeKey) end_program();
        if (is_command_letter(game, key)) return PlayerTurn{.command = key[0]};
        const int number = block_for_key(game, key);
        if (number == kNoBlock) {
            play_sound_or_bell(cue::kRefusal);
            continue;
        }
        int legal_directions = 0;
        switch (choose_block(game, number, legal_directions)) {
            case Choice::kRefused:
                continue;
            case Choice::kMoved:
                return PlayerTurn{};
            case Choice::kTwoWays:
                if (auto turn = choose_direction(game, input, number, legal_directions))
                    return *turn;
        }
    }
}

}  // namespace blockslide
