#include "engine/main_loop.h"

#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "engine/auto_play.h"
#include "engine/block_painter.h"
#include "engine/board_commands.h"
#include "engine/cues.h"
#include "engine/instructions.h"
#include "engine/player_input.h"
#include "engine/program_end.h"
#include "engine/quit_confirmation.h"
#include "engine/selection.h"
#include "engine/start_position.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr int kExitCode = 0;
constexpr int kFreshBarColor = color::kYellow;
constexpr std::string_view kCongratulation = " CONGRATULATIONS! ";
constexpr int kCongratulationInk = color::kRed;
constexpr int kCongratulationPaper = color::kWhite;
constexpr Ink kVictoryFlashInk = kOwnInk;
constexpr Body kVictoryFlashBody{color::kWhite};
constexpr int kVictoryFlashes = 5;

enum class Next { kSameGame, kRestart };

// One turn's result, in the fixed dispatch order.
Next dispatch_command(GameState& game, PlayerTurn turn) {
    if (turn.quit_requested || turn.command == 'Q') confirm_quit();
    switch (turn.command) {
        case 'G':
            game.game_number = other_puzzle_number(game.game_number);
            play_sound(cue::kNotice);
            return Next::kRestart;
        case 'B':
            back_move(game);
            return Next::kSameGame;
        case 'L':
            recall_last_block(game);
            return Next::kSameGame;
        case 'H':
            show_instructions(game);
            return Next::kRestart;
        case 'A':
            auto_play(game);
            play_sound(cue::kNotice);
            return Next::kRestart;
        case 'R':
            play_sound(cue::kNotice);
            return Next::kRestart;
        case 'F':
            toggle_face(game);
            return Next::kSameGame;
        case kTipLetter:
            show_tip(game);
            return Next::kSameGame;
        default:
            return Next::kSameGame;
    }
}

[[noreturn]] void finish_solved_game(const GameState& game) {
    show_centred_status(kCongratulation, kCongratulationInk, kCongratulationPaper);
    play_sound(cue::kSolved);
    flash_block(game, game.puzzle().goal_block, kVictoryFlashInk, kVictoryFlashBody,
                kVictoryFlashes);
    wait_any_key();
    end_program();
}

[[noreturn]] void play(GameState& game) {
    PlayInput input;
    for (;;) {
        start_new_game(game);
        Next next = Next::kSameGame;
        while (next == Next::kSameGame) {
            if (game.solved) finish_solved_game(game);
            next = dispatch_command(game, select_and_move(game, input));
        }
    }
}

}  // namespace

void start_new_game(GameState& game) {
    console_set_title(game.puzzle().title);
    // Emptied before the drawing, so the face comes up in a fresh puzzle's
    // colours whatever command led here.
    game.history.clear();
    game.move_count = 0;
    game.solved = false;
    draw_start_position(game, kFreshBarColor);
}

int run_game(const PuzzleSet& puzzles) {
    GameState game(puzzles);
    try {
        play(game);
    } catch (const ProgramEnd&) {
    }
    return kExitCode;
}

}  // namespace blockslide
