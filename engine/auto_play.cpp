#include "engine/auto_play.h"

#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "engine/block_painter.h"
#include "engine/cues.h"
#include "engine/move_execution.h"
#include "engine/player_input.h"
#include "engine/start_position.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr std::string_view kCaption = "Auto-Play in Progress <any key to stop>";
constexpr std::string_view kAnyKey = "<any key>";
constexpr int kCaptionColor = color::kLightRed;
constexpr int kGrayBarColor = color::kLightGray;
constexpr Ink kClosingFlashInk = kOwnInk;
constexpr Body kClosingFlashBody{color::kWhite};
constexpr int kFirstMovePauseMs = 500;
constexpr int kMovePauseMs = 750;
constexpr int kClosingFlashes = 3;

// Every stored move ends in one of U, R, D and L (the solutions are tested).
Direction direction_of_letter(char letter) {
    switch (letter) {
        case 'U':
            return kUp;
        case 'R':
            return kRight;
        case 'D':
            return kDown;
        default:
            return kLeft;
    }
}

void show_caption(std::string_view text) {
    show_centred_status(text, kCaptionColor, color::kBlack);
}

}  // namespace

void auto_play(GameState& game) {
    game.move_count = 0;
    play_sound(cue::kNotice);
    draw_start_position(game, kGrayBarColor);
    show_caption(kCaption);
    // Keys typed before the demonstration began do not stop it.
    console_flush_keys();

    const auto solution = game.puzzle().solution;
    for (std::size_t step = 0; step < solution.size(); ++step) {
        if (!poll_any_key().empty()) {
            game.history.clear();
            return;
        }
        const MoveCode move = solution[step];
        const int number = block_for_key(game, move.substr(0, 1));
        const Direction direction = direction_of_letter(move.back());
        if (step == 0) console_sleep(kFirstMovePauseMs);
        execute_demonstration_move(game, number, direction);
        console_sleep(kMovePauseMs);
    }

    flash_block(game, game.puzzle().goal_block, kClosingFlashInk, kClosingFlashBody,
                kClosingFlashes);
    blank_status_line();
    show_caption(kAnyKey);
    wait_any_key();
}

}  // namespace blockslide
