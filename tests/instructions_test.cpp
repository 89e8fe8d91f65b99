// H shows the rules in a green double-line box on white over the game: the
// box of each program and the lines that tell its puzzle apart.
#include <gtest/gtest.h>

#include "tests/played_game.h"

namespace blockslide::testing {
namespace {

struct Instructions {
    const char* name;
    const ProgramFacts& program;
    std::string_view steps;
    int bottom_row;
    std::vector<std::pair<int, std::string>> lines;  // row, text from column 9
};

const Instructions kInstructions[] = {
    {"A",
     farnswog(),
     "",
     23,
     {{3, repeated(" ", 22) + "─ INSTRUCTIONS ─"},
      {8, "A block is moved by typing its number (0-9) and sliding it into"},
      {20, "The minimal solution is 118 moves. See if you can do as well!"},
      {21, ""},
      {22, repeated(" ", 26) + "<any key>"}}},
    {"B1",
     traxolumbine(),
     "",
     24,
     {{3, repeated(" ", 19) + " INSTRUCTIONS ─ Game #1"},
      {5, "The objective is to move the man in the blue block to the lower"},
      {13, "Press 'G' to toggle between Game #1 (easy) and Game #2 (harder)"},
      {21, "The minimal solution is 41 moves. See if you can do as well!"},
      {22, ""},
      {23, repeated(" ", 26) + "<any key>"}}},
    {"B2",
     traxolumbine(),
     "g",
     24,
     {{3, repeated(" ", 19) + " INSTRUCTIONS ─ Game #2"},
      {5, "The objective is to move the man in the blue block to the upper"},
      {21, "The minimal solution is 83 moves. See if you can do as well!"}}},
};

class InstructionsScreen : public ::testing::TestWithParam<Instructions> {};

TEST_P(InstructionsScreen, ShowsItsLinesInAGreenDoubleBox) {
    const Instructions& shown = GetParam();
    PlayedGame game(shown.program, shown.steps);
    game.console.type("h");
    ASSERT_EQ(game.run(), std::nullopt);  // waiting for the key
    ScreenCheck check(game.screen);
    check.text(2, 7, "╔" + repeated("═", 65) + "╗", kGreen, kWhite);
    for (int row = 3; row < shown.bottom_row; ++row) check.text(row, 7, "║", kGreen, kWhite);
    check.text(shown.bottom_row, 7, "╚" + repeated("═", 65) + "╝", kGreen, kWhite);
    for (const auto& [row, text] : shown.lines) {
        check.text(row, 8, " ", -1, kWhite);
        check.text(row, 9, text + repeated(" ", 64 - int(text.size())), -1, kWhite);
        check.text(row, 9, text, kBlack, kWhite);
        check.text(row, 73, "║", kGreen, kWhite);
    }
    check.text(2, 1, repeated(" ", 6), kBlack, kBlack);
    EXPECT_EQ(check.differences(), "");
}

INSTANTIATE_TEST_SUITE_P(Each, InstructionsScreen, ::testing::ValuesIn(kInstructions),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace blockslide::testing
