#include "engine/main_loop.h"

#include "console/console.h"
#include "engine/block_painter.h"
#include "engine/moves.h"
#include "engine/program_end.h"
#include "engine/screen_frame.h"
#include "engine/shell.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr int kYellowBarColor = 14;
constexpr std::string_view kCongratulation = " CONGRATULATIONS! ";
constexpr int kCongratulationInk = 4;
constexpr int kCongratulationPaper = 15;
constexpr int kVictoryFlashes = 5;

enum class Next { kSameGame, kRestart };

// One command from select_and_move, in the fixed dispatch order.
Next dispatch_command(GameState& game) {
    if (game.quit_requested || game.command == "Q") {
        game.quit_requested = false;
        confirm_quit(game);
    }
    if (game.command == "G") {
        game.game_number = 3 - game.game_number;
        play_sound("ding2");
        return Next::kRestart;
    }
    if (game.command == "B") back_move(game);
    if (game.command == "L") recall_last_block(game);
    if (game.command == "H") {
        show_instructions(game);
        return Next::kRestart;
    }
    if (game.command == "A") {
        auto_play(game);
        play_sound("ding2");
        return Next::kRestart;
    }
    if (game.command == "R") {
        game.history.clear();
        game.move_count = 0;
        play_sound("ding2");
        return Next::kRestart;
    }
    if (game.command == "F") toggle_face(game);
    return Next::kSameGame;
}

[[noreturn]] void finish_solved_game(GameState& game) {
    show_centred_status(kCongratulation, kCongratulationInk, kCongratulationPaper);
    play_sound("done2");
    flash_block(game, game.puzzle().goal_block, 0, 15, kVictoryFlashes);
    console_wait_key();
    end_program();
}

[[noreturn]] void play(GameState& game) {
    console_set_size(80, 25);
    for (;;) {
        start_new_game(game);
        Next next = Next::kSameGame;
        while (next == Next::kSameGame) {
            select_and_move(game);
            next = dispatch_command(game);
            if (next == Next::kSameGame && game.solved) finish_solved_game(game);
        }
    }
}

}  // namespace

void start_new_game(GameState& game) {
    console_set_title(game.puzzle().title);
    set_up_puzzle(game);
    draw_screen_frame(game);
    for (int number = 1; number <= game.block_count(); ++number) draw_block(game, number, 0, 0);
    draw_target_bar(game, kYellowBarColor);
    game.history.clear();
    game.move_count = 0;
    game.solved = false;
}

int run_game(const PuzzleSet& puzzles) {
    GameState game(puzzles);
    try {
        play(game);
    } catch (const ProgramEnd& end) {
        return end.exit_code;
    }
}

}  // namespace blockslide
