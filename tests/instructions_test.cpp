// The instructions screen of both programs, compared whole: the green double
// box on white over the game screen and every line of text at its row from
// column 9. The key that closes it is covered with the puzzle starts.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

constexpr int kBoxTopRow = 2;
constexpr int kBoxLeftColumn = 7;
constexpr int kBoxInnerWidth = 65;
constexpr int kTextColumn = 9;

struct Line {
    int row;
    std::string text;
};

struct Instructions {
    std::string name;
    const ProgramFacts* program;
    std::string steps_before;  // choose the puzzle
    std::string sounds_before;
    int bottom_row;
    std::vector<Line> lines;  // every other row inside the box is blank
    friend void PrintTo(const Instructions& c, std::ostream* out) { *out << c.name; }
};

Instructions farnswog_instructions() {
    return {"Farnswog",
            &farnswog(),
            "",
            "",
            23,
            {
                {3, repeated(" ", 22) + "─ INSTRUCTIONS ─"},
                {5, "The objective is to move the man in the big blue block to the"},
                {6, "right-hand side of the gray box, next to the light-colored bar."},
                {8, "A block is moved by typing its number (0-9) and sliding it into"},
                {9, "a blank space. No block may be moved over the top of another."},
                {10, "When there is a choice of moves for a selected block, the"},
                {11, "direction is specified by an arrow key."},
                {13, "Press 'B' to cancel the previous move."},
                {14, "Press 'L' to recall the last block moved."},
                {15, "Press 'R' to start over."},
                {16, "Press 'A' anytime to watch the computer solve the puzzle."},
                {17, "Press 'Q' or <Esc> to quit the game."},
                {18, "Press 'F' to change the face between Nice Man and Zombie."},
                {20, "The minimal solution is 118 moves. See if you can do as well!"},
                {22, repeated(" ", 26) + "<any key>"},
            }};
}

Instructions traxolumbine_instructions(int game_number) {
    const bool first = game_number == 1;
    return {"TraxolumbineGame" + std::to_string(game_number),
            &traxolumbine(),
            first ? "" : "g",
            first ? "" : "ding2",
            24,
            {
                {3, repeated(" ", 19) + " INSTRUCTIONS ─ Game #" + std::to_string(game_number)},
                {5, std::string("The objective is to move the man in the blue block to the ") +
                        (first ? "lower" : "upper")},
                {6, "right-hand side of the gray box, next to the light-colored bar."},
                {8, "A block is moved by typing its number (1-9) and sliding it into"},
                {9, "a blank space. No block may be moved over the top of another."},
                {10, "When there is a choice of moves for a selected block, the"},
                {11, "direction is specified by an arrow key."},
                {13, "Press 'G' to toggle between Game #1 (easy) and Game #2 (harder)"},
                {14, "Press 'B' to cancel the previous move."},
                {15, "Press 'L' to recall the last block moved."},
                {16, "Press 'R' to start over."},
                {17, "Press 'A' anytime to watch the computer solve the puzzle."},
                {18, "Press 'Q' or <Esc> to quit the game."},
                {19, "Press 'F' to change the face between a Nice Man and a Zombie."},
                {21, std::string("The minimal solution is ") + (first ? "41" : "83") +
                         " moves. See if you can do as well!"},
                {23, repeated(" ", 26) + "<any key>"},
            }};
}

class InstructionsScreen : public ::testing::TestWithParam<Instructions> {};

TEST_P(InstructionsScreen, ShowsEveryLineInAGreenDoubleBoxOverTheGameScreen) {
    const Instructions& instructions = GetParam();
    ShadowedGame game(*instructions.program, instructions.steps_before);
    game.type("h");
    ASSERT_EQ(game.run(), std::nullopt);  // waiting for the key

    ExpectedScreen expected = game.start_screen(kLightGray);
    const std::string double_line = repeated("═", kBoxInnerWidth);
    expected.put(kBoxTopRow, kBoxLeftColumn, "╔" + double_line + "╗", kGreen, kWhite);
    for (int row = kBoxTopRow + 1; row < instructions.bottom_row; ++row) {
        expected.put(row, kBoxLeftColumn, "║" + repeated(" ", kBoxInnerWidth) + "║", kGreen,
                     kWhite);
    }
    expected.put(instructions.bottom_row, kBoxLeftColumn, "╚" + double_line + "╝", kGreen, kWhite);
    for (const Line& line : instructions.lines) {
        expected.put(line.row, kTextColumn, line.text, kBlack, kWhite);
    }
    EXPECT_EQ(expected.differences(game.screen()), "");
    EXPECT_EQ(game.sound_log(), instructions.sounds_before);
}

INSTANTIATE_TEST_SUITE_P(EachProgramAndPuzzle, InstructionsScreen,
                         ::testing::Values(farnswog_instructions(), traxolumbine_instructions(1),
                                           traxolumbine_instructions(2)),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace blockslide::testing
