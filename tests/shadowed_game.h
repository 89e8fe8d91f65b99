// A whole game and the shadow board a test keeps beside it, driven
// together: each step types the keys a player would and makes the same
// change on the shadow board, so the test can compare screens at any point.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tests/game_facts.h"
#include "tests/scripted_game.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {

class ShadowedGame {
public:
    explicit ShadowedGame(const ProgramFacts& program);

    // Steps separated by blanks:
    // - a move in the stored notation ("2L"): its block key, and an arrow
    //   where the block could go two ways;
    // - F, B, R or G, in either case: that command;
    // - H: the instructions, closed with a blank;
    // - A: auto-play, stopped by a key after its first move (only while the
    //   virtual clock still stands at 0).
    void play(std::string_view steps);
    std::optional<int> run() { return game_.run(); }

    ScriptedGame& game() { return game_; }
    const ScriptedGame& game() const { return game_; }
    ShadowBoard& board() { return board_; }
    const ShadowBoard& board() const { return board_; }
    int game_number() const { return game_number_; }

    // Differences between the game's board and the shadow board's.
    std::string board_differences() const;
    // Differences between the game's whole screen and the frame, board and
    // target bar of the current puzzle.
    std::string screen_differences(int bar_color) const;

private:
    void play_command(char letter);

    const ProgramFacts& program_;
    ScriptedGame game_;
    ShadowBoard board_;
    int game_number_ = 1;
};

}  // namespace blockslide::testing
