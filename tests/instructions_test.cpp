// H shows the rules in a green double-line box on white over the game: the
// box of each program and the lines that tell its puzzles apart.
#include <gtest/gtest.h>

#include "tests/played_game.h"

namespace blockslide::testing {
namespace {

struct Instructions {
    const ProgramFacts& program;
    std::string_view steps;
    int bottom_row;
    std::vector<std::pair<int, std::string>> lines;  // row, text from column 9
};

TEST(InstructionsScreen, ShowsItsLinesInAGreenDoubleBox) {
    const std::string any_key = repeated(" ", 26) + "<any key>";
    const auto minimal = [](int moves) {
        return "The minimal solution is " + std::to_string(moves) +
               " moves. See if you can do as well!";
    };
    // clang-format off
    const Instructions shown[] = {
        {farnswog(), "", 23, {{3, repeated(" ", 22) + "─ INSTRUCTIONS ─"},
          {8, "A block is moved by typing its number (0-9) and sliding it into"},
          {20, minimal(118)}, {21, ""}, {22, any_key}}},
        {traxolumbine(), "", 24, {{3, repeated(" ", 19) + " INSTRUCTIONS ─ Game #1"},
          {5, "The objective is to move the man in the blue block to the lower"},
          {13, "Press 'G' to toggle between Game #1 (easy) and Game #2 (harder)"},
          {21, minimal(41)}, {22, ""}, {23, any_key}}},
        {traxolumbine(), "g", 24, {{3, repeated(" ", 19) + " INSTRUCTIONS ─ Game #2"},
          {5, "The objective is to move the man in the blue block to the upper"},
          {21, minimal(83)}}},
    };
    // clang-format on
    for (const Instructions& box : shown) {
        PlayedGame game(box.program, std::string(box.steps) + " h");
        ASSERT_EQ(game.run(), std::nullopt);  // waiting for the key
        ScreenCheck check(game.screen);
        check.text(2, 7, "╔" + repeated("═", 65) + "╗", kGreen, kWhite);
        for (int row = 3; row < box.bottom_row; ++row) check.text(row, 7, "║", kGreen, kWhite);
        check.text(box.bottom_row, 7, "╚" + repeated("═", 65) + "╝", kGreen, kWhite);
        for (const auto& [row, text] : box.lines) {
            check.text(row, 8, " ", -1, kWhite);
            check.text(row, 9, text + repeated(" ", 64 - int(text.size())), -1, kWhite);
            check.text(row, 9, text, kBlack, kWhite);
            check.text(row, 73, "║", kGreen, kWhite);
        }
        check.text(2, 1, repeated(" ", 6), kBlack, kBlack);
        EXPECT_EQ(check.differences(), "") << box.steps;
    }
}

}  // namespace
}  // namespace blockslide::testing
