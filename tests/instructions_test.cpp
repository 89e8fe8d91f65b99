// The instructions screen of both programs, compared whole: the green double
// box on white over the game screen, every line of text at its row from
// column 9, and the fresh start after the acknowledging key.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "console/keys.h"
#include "tests/game_facts.h"
#include "tests/game_screen.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

// The box: its border at rows 2 and `bottom`, columns 7 and 73.
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
    int game_number;
    int bottom_row;
    std::vector<Line> lines;  // every other row inside the box is blank
};

void PrintTo(const Instructions& screen, std::ostream* out) {
    *out << screen.name;
}

std::string blanks(int count) {
    return std::string(count, ' ');
}

Instructions farnswog_instructions() {
    return {"Farnswog",
            &farnswog(),
            "",
            "",
            1,
            23,
            {
                {3, blanks(22) + "─ INSTRUCTIONS ─"},
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
                {22, blanks(26) + "<any key>"},
            }};
}

Instructions traxolumbine_instructions(std::string name, std::string steps_before,
                                       std::string sounds_before, int game_number) {
    const bool first = game_number == 1;
    return {std::move(name),
            &traxolumbine(),
            std::move(steps_before),
            std::move(sounds_before),
            game_number,
            24,
            {
                {3, blanks(19) + " INSTRUCTIONS ─ Game #" + std::to_string(game_number)},
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
                {23, blanks(26) + "<any key>"},
            }};
}

// The green double box with its lines, drawn over the game screen.
void paint_instructions(ExpectedScreen& screen, const Instructions& instructions) {
    std::string double_line;
    for (int i = 0; i < kBoxInnerWidth; ++i) double_line += "═";
    screen.put(kBoxTopRow, kBoxLeftColumn, "╔" + double_line + "╗", kGreen, kWhite);
    for (int row = kBoxTopRow + 1; row < instructions.bottom_row; ++row) {
        screen.put(row, kBoxLeftColumn, "║" + blanks(kBoxInnerWidth) + "║", kGreen, kWhite);
    }
    screen.put(instructions.bottom_row, kBoxLeftColumn, "╚" + double_line + "╝", kGreen, kWhite);
    for (const Line& line : instructions.lines) {
        screen.put(line.row, kTextColumn, line.text, kBlack, kWhite);
    }
}

class InstructionsScreen : public ::testing::TestWithParam<Instructions> {};

TEST_P(InstructionsScreen, ShowsEveryLineInAGreenDoubleBoxOverTheGameScreen) {
    const Instructions& instructions = GetParam();
    ShadowedGame game(*instructions.program);
    game.play(instructions.steps_before);
    ASSERT_EQ(game.game_number(), instructions.game_number);
    game.game().type("h");
    ASSERT_EQ(game.run(), std::nullopt);  // waiting for the key

    ExpectedScreen expected = game_screen(game.board(), instructions.game_number, kLightGray);
    paint_instructions(expected, instructions);
    EXPECT_EQ(expected.differences(game.game().screen(), kWholeScreen), "");
    // Only choosing the puzzle made a sound.
    EXPECT_EQ(game.game().sound_log(), instructions.sounds_before);
}

INSTANTIATE_TEST_SUITE_P(
    EachProgramAndPuzzle, InstructionsScreen,
    ::testing::Values(farnswog_instructions(),
                      traxolumbine_instructions("TraxolumbineGame1", "", "", 1),
                      traxolumbine_instructions("TraxolumbineGame2", "g", "ding2", 2),
                      traxolumbine_instructions("TraxolumbineGame1AfterTwoG", "g g", "ding2 ding2",
                                                1)),
    [](const ::testing::TestParamInfo<Instructions>& info) { return info.param.name; });

struct AcknowledgingKey {
    std::string name;
    std::string key;
};

void PrintTo(const AcknowledgingKey& key, std::ostream* out) {
    *out << key.name;
}

class InstructionsKey : public ::testing::TestWithParam<AcknowledgingKey> {};

TEST_P(InstructionsKey, OnlyClosesTheScreenAndThePuzzleStartsOver) {
    ShadowedGame game(farnswog());
    game.play("2L");
    game.game().type("h");
    game.game().type_key(GetParam().key);
    game.board().start_over();
    EXPECT_EQ(game.run(), std::nullopt);     // Esc does not quit
    EXPECT_EQ(game.game().sound_log(), "");  // Q does not ask, no refusal beep
    EXPECT_EQ(game.screen_differences(kYellow), "");
}

INSTANTIATE_TEST_SUITE_P(
    AnyKey, InstructionsKey,
    ::testing::Values(AcknowledgingKey{"Esc", kEscapeKey}, AcknowledgingKey{"UpperQ", "Q"},
                      AcknowledgingKey{"LowerB", "b"}, AcknowledgingKey{"BlockKey", "3"},
                      AcknowledgingKey{"Arrow", kUpKey}, AcknowledgingKey{"Enter", kEnterKey}),
    [](const ::testing::TestParamInfo<AcknowledgingKey>& info) { return info.param.name; });

}  // namespace
}  // namespace blockslide::testing
