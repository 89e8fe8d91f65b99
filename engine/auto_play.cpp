#include "console/console.h"
#include "engine/block_painter.h"
#include "engine/moves.h"
#include "engine/screen_frame.h"
#include "engine/shell.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr std::string_view kCaption = "Auto-Play in Progress <any key to stop>";
constexpr std::string_view kAnyKey = "<any key>";
constexpr int kCaptionColor = 12;
constexpr int kGrayBarColor = 7;
constexpr int kFirstMovePauseMs = 500;
constexpr int kMovePauseMs = 750;
constexpr int kClosingFlashes = 3;
constexpr int kCaptionColumn = 21;
constexpr int kAnyKeyColumn = 36;

int direction_of_letter(char letter) {
    switch (letter) {
        case 'U':
            return kUp;
        case 'R':
            return kRight;
        case 'D':
            return kDown;
        case 'L':
            return kLeft;
        default:
            return 0;
    }
}

void show_caption(std::string_view text, int column) {
    console_set_color(kCaptionColor, 0);
    console_locate(kStatusLine, column);
    console_print(text);
}

void draw_start_position(GameState& game) {
    draw_screen_frame(game);
    set_up_puzzle(game);
    for (int number = 1; number <= game.block_count(); ++number) draw_block(game, number, 0, 0);
    draw_target_bar(game, kGrayBarColor);
}

}  // namespace

void auto_play(GameState& game) {
    game.auto_playing = true;
    game.move_count = 0;
    play_sound("ding2");
    draw_start_position(game);
    show_caption(kCaption, kCaptionColumn);
    // Keys typed before the demonstration began do not stop it.
    console_flush_keys();

    const auto solution = game.puzzle().solution;
    for (std::size_t step = 0; step < solution.size(); ++step) {
        if (!console_poll_key().empty()) {
            game.history.clear();
            game.auto_playing = false;
            return;
        }
        const MoveCode move = solution[step];
        const int number = block_for_key(game, move.substr(0, 1));
        const int direction = direction_of_letter(move.back());
        if (step == 0) console_sleep(kFirstMovePauseMs);
        execute_move(game, number, direction);
        console_sleep(kMovePauseMs);
    }

    flash_block(game, game.puzzle().goal_block, 0, 15, kClosingFlashes);
    blank_status_line();
    show_caption(kAnyKey, kAnyKeyColumn);
    console_wait_key();
    game.auto_playing = false;
}

}  // namespace blockslide
