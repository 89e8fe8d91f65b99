#include "tests/shadowed_game.h"

#include <gtest/gtest.h>

#include <cctype>

#include "tests/game_screen.h"

namespace blockslide::testing {

namespace {

constexpr std::int64_t kAutoPlayStopMs = 100;  // seen after the first replayed move

}  // namespace

ShadowedGame::ShadowedGame(const ProgramFacts& program)
    : program_(program), game_(program.puzzle_set()), board_(program) {}

void ShadowedGame::play(std::string_view steps) {
    for (std::string_view step : split_moves(steps)) {
        if (step.size() == 2) {
            game_.type_keys(board_.play(step));
        } else if (step.size() == 1) {
            play_command(step.front());
        } else {
            ADD_FAILURE() << "no step: \"" << step << "\"";
        }
    }
}

void ShadowedGame::play_command(char letter) {
    game_.type(std::string(1, letter));
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'F':
            board_.toggle_face();
            break;
        case 'B':
            if (board_.history_length() > 0) board_.back();
            break;
        case 'R':
            board_.clear_history();
            board_.start_over();
            break;
        case 'G':
            if (program_.puzzles.size() < 2) ADD_FAILURE() << "G is no command here";
            game_number_ = 3 - game_number_;
            board_.start_over();
            break;
        case 'H':
            game_.type(" ");
            board_.start_over();
            break;
        case 'A': {
            game_.console().type_at(kAutoPlayStopMs, "x");
            board_.lay_out_start();
            board_.play(split_moves(program_.puzzle(game_number_).solution).front());
            board_.clear_history();
            board_.start_over();
            break;
        }
        default:
            ADD_FAILURE() << "no command step: " << letter;
    }
}

std::string ShadowedGame::board_differences() const {
    return expected_board(board_).differences(game_.screen(), kBoardInterior);
}

std::string ShadowedGame::screen_differences(int bar_color) const {
    return game_screen(board_, game_number_, bar_color).differences(game_.screen(), kWholeScreen);
}

}  // namespace blockslide::testing
