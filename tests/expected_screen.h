// What a game screen should show, cell by cell: the start screen's picture
// (the frame, the command bar, each block as it looks at its start place,
// carried to where the board model has it, and the face in its style) in the
// colours the game's tables give, compared with a screen whole.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "console/screen_model.h"
#include "tests/board_model.h"

namespace blockslide::test {

struct ExpectedCell {
    std::string glyph = " ";
    int ink = -1;  // -1: not looked at
    int paper = kBlack;
};

class ExpectedScreen {
public:
    // A game screen with `board`'s blocks, the puzzle's bar in `bar_color`,
    // an empty status line and no move counter.
    ExpectedScreen(const Board& board, int game_number, int bar_color);
    void status(const StatusText& status);
    void move_counter(int moves);  // nothing to show for 0
    // A block in a flash's colours (0: its own), drawn afresh: a face in the
    // colours of the moves recorded now.
    void flash(int number, int ink, int body) { block(number, ink, body, true); }
    // Any text (UTF-8) in these colours; -1: either colour is not looked at.
    void text(int row, int column, std::string_view utf8, int ink, int paper);
    std::string differences(const ScreenModel& screen) const;
    std::string block_differences(const ScreenModel& screen, int number) const;

private:
    ExpectedCell& at(int row, int column) {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }
    const ExpectedCell& at(int row, int column) const {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }
    void frame(int game_number, int bar_color);
    void block(int number, int ink, int body, bool redrawn = false);

    const Board& board_;
    std::array<ExpectedCell, kScreenRows * kScreenColumns> cells_{};
};

// Where a screen differs from a text (UTF-8) in these colours (-1: any).
std::string text_differences(const ScreenModel& screen, int row, int column, std::string_view utf8,
                             int ink, int paper);

// The glyphs of a UTF-8 text, one string each.
std::vector<std::string> glyphs_of(std::string_view utf8);

}  // namespace blockslide::test
