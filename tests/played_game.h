// A whole game in the scripted console with a board model kept beside it,
// and the checks of its screen, cell by cell, against the game's tables.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/scripted/scripted_console.h"
#include "tests/board.h"

namespace blockslide::testing {

std::string repeated(std::string_view text, int times);

// Collects the differences between a screen and what is expected of it.
class ScreenCheck {
public:
    explicit ScreenCheck(const ScreenModel& screen) : screen_(screen) {}
    // The glyphs of `utf8` from (row, column) in these colours; -1: any.
    void text(int row, int column, std::string_view utf8, int ink, int paper);
    void status(const StatusText& status);  // columns 13 to 62 show it alone
    void move_counter(int moves);           // nothing to check for 0
    void board(const Board& board);         // blocks, and black blanks in free cells
    // One block; a flash gives its outline ink and body colour (0: its own).
    void block(const Board& board, int number, int ink = 0, int body = 0);
    // The gray box, the command bar, the puzzle number and the target bar.
    void frame(const ProgramFacts& program, int game_number, int bar_color);
    void rest_blank();  // every cell not looked at yet
    const std::string& differences() const { return report_; }

private:
    const ScreenModel& screen_;
    std::array<bool, kScreenRows * kScreenColumns> checked_{};
    std::string report_;
};

class PlayedGame {
public:
    // Steps, separated by blanks: a stored move ("2L") is typed as its keys and made on the board
    // model ("=2L": on the model only); F, B, R, G and H in either case are typed and carried out
    // on the model; <Esc>, <Enter>, <Space>, <Up>, <Down>, <Left> and <Right> are those keys;
    // anything else, or after "~", is typed as it stands.
    explicit PlayedGame(const ProgramFacts& program, std::string_view steps = "");
    void play(std::string_view steps);
    // Runs until the program ends (its exit code) or waits for a key it lacks.
    std::optional<int> run();
    std::string sounds() const;  // the cues played, separated by blanks
    // How many recorded frames show block `number` flashed in these colours.
    int flashes(int number, int ink, int body) const;
    // The board, the status line and the move counter against the model.
    std::string differences(const StatusText& status) const;

    const ProgramFacts& program;
    Board board;
    int game_number = 1;
    ScriptedConsole console;
    ScreenModel screen;
};

}  // namespace blockslide::testing
