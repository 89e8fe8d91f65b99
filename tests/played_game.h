// A whole game in the scripted console with a board model kept beside it:
// queue keys and the model's moves, run, then look at the screen, the sounds
// and the virtual clock.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/scripted_backend.h"
#include "tests/board.h"
#include "tests/game_tables.h"

namespace blockslide::testing {

std::vector<std::string_view> words(std::string_view listing);  // split at blanks
std::string repeated_words(std::string_view words, int times);

class PlayedGame {
public:
    explicit PlayedGame(const ProgramFacts& program, std::string_view steps = "");

    // Steps, separated by blanks:
    // - a stored move ("2L"): its keys, and the move on the board model;
    //   "=2L" makes it on the model only;
    // - F, B, R, G or H in either case: that key, and the command on the
    //   model (after H the next step closes the instructions);
    // - <Esc>, <Enter>, <Space>, <Up>, <Down>, <Left>, <Right>: that key;
    // - anything else, or after "~": its characters typed as keys.
    void play(std::string_view steps);
    // From program start until the program ends (its exit code) or the keys
    // run out (nullopt: the game is waiting for one).
    std::optional<int> run();

    std::string sounds() const;  // the cues played, separated by blanks
    // How many recorded frames show block `number` flashed in these colours.
    int flashes(int number, int ink, int body) const;
    // The blocks and free cells as the model has them, the status line and
    // the move counter; "" when they all match.
    std::string differences(const StatusText& status) const;

    const ProgramFacts& program;
    Board board;
    int game_number = 1;
    ScriptedBackend console;
    ScreenModel screen;
};

}  // namespace blockslide::testing
