// H shows the rules in a green double-line box on white over the game screen:
// the box of each program, the lines that name its keys, goal and minimal
// number of moves, and the blank rows between the paragraphs.
#include <gtest/gtest.h>

#include <vector>

#include "tests/played_game.h"

namespace blockslide::testing {
namespace {

constexpr int kBoxTop = 2;
constexpr int kBoxLeft = 7;
constexpr int kBoxWidth = 65;
constexpr int kTextColumn = 9;

struct Line {
    int row;
    std::string text;
};

struct Instructions {
    const char* name;
    const ProgramFacts& program;
    std::string_view steps;
    int bottom_row;
    std::vector<Line> lines;
    std::vector<int> blank_rows;
};

const std::string kAnyKeyLine = repeated(" ", 26) + "<any key>";

std::vector<Instructions> instructions() {
    return {
        {"A",
         farnswog(),
         "",
         23,
         {{3, repeated(" ", 22) + "─ INSTRUCTIONS ─"},
          {5, "The objective is to move the man in the big blue block to the"},
          {8, "A block is moved by typing its number (0-9) and sliding it into"},
          {18, "Press 'F' to change the face between Nice Man and Zombie."},
          {20, "The minimal solution is 118 moves. See if you can do as well!"},
          {22, kAnyKeyLine}},
         {4, 7, 12, 19, 21}},
        {"B1",
         traxolumbine(),
         "",
         24,
         {{3, repeated(" ", 19) + " INSTRUCTIONS ─ Game #1"},
          {5, "The objective is to move the man in the blue block to the lower"},
          {8, "A block is moved by typing its number (1-9) and sliding it into"},
          {13, "Press 'G' to toggle between Game #1 (easy) and Game #2 (harder)"},
          {21, "The minimal solution is 41 moves. See if you can do as well!"},
          {23, kAnyKeyLine}},
         {4, 7, 12, 20, 22}},
        {"B2",
         traxolumbine(),
         "g",
         24,
         {{3, repeated(" ", 19) + " INSTRUCTIONS ─ Game #2"},
          {5, "The objective is to move the man in the blue block to the upper"},
          {6, "right-hand side of the gray box, next to the light-colored bar."},
          {19, "Press 'F' to change the face between a Nice Man and a Zombie."},
          {21, "The minimal solution is 83 moves. See if you can do as well!"}},
         {4, 7, 12, 20, 22}},
    };
}

class InstructionsScreen : public ::testing::TestWithParam<Instructions> {};

TEST_P(InstructionsScreen, ShowsItsLinesInAGreenDoubleBoxOverTheGame) {
    const Instructions& shown = GetParam();
    PlayedGame game(shown.program, shown.steps);
    game.console.type("h");
    ASSERT_EQ(game.run(), std::nullopt);  // waiting for the key
    ScreenCheck check(game.screen);
    check.text(kBoxTop, kBoxLeft, "╔" + repeated("═", kBoxWidth) + "╗", kGreen, kWhite);
    for (int row = kBoxTop + 1; row < shown.bottom_row; ++row) {
        check.text(row, kBoxLeft, "║", kGreen, kWhite);
        check.text(row, kBoxLeft + kBoxWidth + 1, "║", kGreen, kWhite);
    }
    check.text(shown.bottom_row, kBoxLeft, "╚" + repeated("═", kBoxWidth) + "╝", kGreen, kWhite);
    for (const Line& line : shown.lines) {
        check.text(line.row, kTextColumn, line.text, kBlack, kWhite);
    }
    for (int row : shown.blank_rows) {
        check.text(row, kBoxLeft + 1, repeated(" ", kBoxWidth), -1, kWhite);
    }
    check.text(kBoxTop, 1, repeated(" ", kBoxLeft - 1), kBlack, kBlack);  // left of the box
    EXPECT_EQ(check.differences(), "");
}

INSTANTIATE_TEST_SUITE_P(Each, InstructionsScreen, ::testing::ValuesIn(instructions()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace blockslide::testing
