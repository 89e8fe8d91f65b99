// Compares the program's screen with what the game's tables call for, cell
// by cell, and collects the differences. Cells no check has looked at can
// then be required to be black blanks.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "console/screen_model.h"
#include "tests/board.h"
#include "tests/game_tables.h"

namespace blockslide::testing {

std::string repeated(std::string_view glyph, int times);

class ScreenCheck {
public:
    explicit ScreenCheck(const ScreenModel& screen) : screen_(screen) {}

    // The glyphs of `utf8` from (row, column) in these colours; paper -1: any.
    void text(int row, int column, std::string_view utf8, int ink, int paper);
    // Columns 13 to 62 of the status line show `status` alone on black.
    void status(const StatusText& status);
    void move_counter(int moves);  // nothing to check for 0
    // Every block where the board has it, and black blanks in the free cells.
    void board(const Board& board);
    // One block; a flash gives its outline ink and body colour (0: its own).
    void block(const Board& board, int number, int ink = 0, int body = 0);
    // The gray box, the command bar, the puzzle number and the target bar.
    void frame(const ProgramFacts& program, int game_number, int bar_color);
    void rest_blank();

    const std::string& differences() const { return report_; }

private:
    void cell(int row, int column, std::string_view glyph, int ink, int paper);
    void face(const Board& board, const Block& at, int body);

    const ScreenModel& screen_;
    std::array<bool, kScreenRows * kScreenColumns> checked_{};
    std::string report_;
};

}  // namespace blockslide::testing
