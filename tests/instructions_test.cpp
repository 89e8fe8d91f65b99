// The instructions screen of both programs, cell by cell: the green double
// box on white, every line of text at its row from column 9, the blank rows
// between paragraphs, and the fresh start after the acknowledging key.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "console/keys.h"
#include "puzzles/puzzle_sets.h"
#include "tests/scripted_game.h"

namespace blockslide {
namespace {

using testing::ScriptedGame;

constexpr int kBlack = 0;
constexpr int kGreen = 2;
constexpr int kDarkGray = 8;
constexpr int kWhite = 15;

constexpr int attribute_of(int foreground, int background) {
    return foreground + 16 * background;
}

constexpr int kBorderAttribute = attribute_of(kGreen, kWhite);
constexpr int kTextAttribute = attribute_of(kBlack, kWhite);

// The box: border at rows `top` and `bottom`, columns 7 and 73.
constexpr int kBoxTop = 2;
constexpr int kBoxLeft = 7;
constexpr int kBoxRight = 73;
constexpr int kBoxInnerWidth = 65;
constexpr int kTextColumn = 9;

struct Line {
    int row;
    std::string text;
};

struct InstructionsScreen {
    std::string name;
    bool traxolumbine;
    std::string keys_before;  // "g" switches blockslide-b to puzzle 2
    int box_bottom;
    std::vector<Line> lines;
    std::vector<int> blank_rows;
};

void PrintTo(const InstructionsScreen& screen, std::ostream* out) {
    *out << screen.name;
}

const PuzzleSet& puzzles_of(const InstructionsScreen& screen) {
    return screen.traxolumbine ? traxolumbine_puzzles() : farnswog_puzzles();
}

std::string blanks(int count) {
    return std::string(count, ' ');
}

const InstructionsScreen kFarnswog = {
    "Farnswog",
    false,
    "",
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
    },
    {4, 7, 12, 19, 21},
};

InstructionsScreen traxolumbine_screen(int game_number) {
    const bool first = game_number == 1;
    return {
        first ? "TraxolumbineGame1" : "TraxolumbineGame2",
        true,
        first ? "" : "g",
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
        },
        {4, 7, 12, 20, 22},
    };
}

// The number of glyphs in a UTF-8 text.
int glyph_count(const std::string& text) {
    int count = 0;
    for (unsigned char byte : text) count += (byte & 0xC0) != 0x80;
    return count;
}

class InstructionsScreenTest : public ::testing::TestWithParam<InstructionsScreen> {
protected:
    // Shows the instructions and stops while they wait for their key.
    void show(ScriptedGame& game) {
        game.type(GetParam().keys_before);
        game.type("h");
        ASSERT_EQ(game.run(), std::nullopt);
    }
};

TEST_P(InstructionsScreenTest, DrawsAGreenDoubleBoxOnWhite) {
    const InstructionsScreen& expected = GetParam();
    ScriptedGame game(puzzles_of(expected));
    show(game);
    const int bottom = expected.box_bottom;

    EXPECT_EQ(game.text(kBoxTop, kBoxLeft, 1), "╔");
    EXPECT_EQ(game.text(kBoxTop, kBoxRight, 1), "╗");
    EXPECT_EQ(game.text(bottom, kBoxLeft, 1), "╚");
    EXPECT_EQ(game.text(bottom, kBoxRight, 1), "╝");
    std::string double_line;
    for (int i = 0; i < kBoxInnerWidth; ++i) double_line += "═";
    for (int row : {kBoxTop, bottom}) {
        EXPECT_EQ(game.text(row, kBoxLeft + 1, kBoxInnerWidth), double_line) << "row " << row;
        EXPECT_TRUE(game.span_has_attribute(row, kBoxLeft, kBoxInnerWidth + 2, kBorderAttribute))
            << "row " << row;
    }
    for (int row = kBoxTop + 1; row < bottom; ++row) {
        EXPECT_EQ(game.text(row, kBoxLeft, 1), "║") << "row " << row;
        EXPECT_EQ(game.text(row, kBoxRight, 1), "║") << "row " << row;
        EXPECT_EQ(game.attribute(row, kBoxLeft), kBorderAttribute) << "row " << row;
        EXPECT_EQ(game.attribute(row, kBoxRight), kBorderAttribute) << "row " << row;
        // Inside the box every cell is white.
        for (int column = kBoxLeft + 1; column < kBoxRight; ++column) {
            EXPECT_EQ(game.background(row, column), kWhite)
                << "row " << row << ", column " << column;
        }
    }
    // Above the box the gray frame's top edge stays.
    EXPECT_EQ(game.text(1, 11, 1), "┌");
    EXPECT_EQ(game.attribute(1, 11), attribute_of(kBlack, kDarkGray));
}

TEST_P(InstructionsScreenTest, ShowsEveryLineInBlackFromColumnNine) {
    const InstructionsScreen& expected = GetParam();
    ScriptedGame game(puzzles_of(expected));
    show(game);
    for (const Line& line : expected.lines) {
        SCOPED_TRACE("row " + std::to_string(line.row));
        const int length = glyph_count(line.text);
        const int after_text = kTextColumn + length;
        EXPECT_EQ(game.text(line.row, kTextColumn, length), line.text);
        EXPECT_TRUE(game.span_has_attribute(line.row, kTextColumn, length, kTextAttribute));
        // The box fill stays on either side of the text.
        EXPECT_EQ(game.text(line.row, kBoxLeft + 1, 1), " ");
        EXPECT_EQ(game.attribute(line.row, kBoxLeft + 1), kBorderAttribute);
        EXPECT_EQ(game.text(line.row, after_text, kBoxRight - after_text),
                  blanks(kBoxRight - after_text));
        EXPECT_TRUE(game.span_has_attribute(line.row, after_text, kBoxRight - after_text,
                                            kBorderAttribute));
    }
}

TEST_P(InstructionsScreenTest, SeparatesTheParagraphsWithWhiteBlankRows) {
    const InstructionsScreen& expected = GetParam();
    ScriptedGame game(puzzles_of(expected));
    show(game);
    for (int row : expected.blank_rows) {
        EXPECT_EQ(game.text(row, kBoxLeft + 1, kBoxInnerWidth), blanks(kBoxInnerWidth))
            << "row " << row;
        EXPECT_TRUE(game.span_has_attribute(row, kBoxLeft + 1, kBoxInnerWidth, kBorderAttribute))
            << "row " << row;
    }
    // Text rows and blank rows together are every row inside the box.
    EXPECT_EQ(expected.lines.size() + expected.blank_rows.size(),
              static_cast<std::size_t>(expected.box_bottom - kBoxTop - 1));
}

TEST_P(InstructionsScreenTest, IsDrawnWithoutAnySound) {
    ScriptedGame game(puzzles_of(GetParam()));
    show(game);
    const int sounds_before_help = GetParam().keys_before.empty() ? 0 : 1;  // G dings
    EXPECT_EQ(static_cast<int>(game.console().sounds().size()), sounds_before_help);
}

INSTANTIATE_TEST_SUITE_P(EachProgramAndPuzzle, InstructionsScreenTest,
                         ::testing::Values(kFarnswog, traxolumbine_screen(1),
                                           traxolumbine_screen(2)),
                         [](const ::testing::TestParamInfo<InstructionsScreen>& info) {
                             return info.param.name;
                         });

TEST(InstructionsBox, CoversTheEndOfEachCommandWordAndTheGameNumber) {
    ScriptedGame farnswog(farnswog_puzzles());
    farnswog.type("h");
    farnswog.run();
    EXPECT_EQ(farnswog.text(8, 4, 4), "Bac║");
    EXPECT_EQ(farnswog.text(14, 4, 4), "Qui║");

    ScriptedGame traxolumbine(traxolumbine_puzzles());
    traxolumbine.type("h");
    traxolumbine.run();
    EXPECT_EQ(traxolumbine.text(6, 2, 7), "GAME ║ ");
    EXPECT_EQ(traxolumbine.text(15, 4, 4), "Qui║");
}

TEST(InstructionsOfBlockslideB, AfterASecondGShowPuzzleOneAgain) {
    ScriptedGame game(traxolumbine_puzzles());
    game.type("ggh");
    game.run();
    EXPECT_EQ(game.text(3, 9 + 19 + 14, 9), "─ Game #1");
    EXPECT_EQ(game.text(5, 9, 63),
              "The objective is to move the man in the blue block to the lower");
    EXPECT_EQ(game.text(21, 9, 60), "The minimal solution is 41 moves. See if you can do as well!");
}

struct AcknowledgingKey {
    std::string name;
    std::string key;
};

void PrintTo(const AcknowledgingKey& key, std::ostream* out) {
    *out << key.name;
}

class InstructionsKey : public ::testing::TestWithParam<AcknowledgingKey> {};

// Block 2 of blockslide-a: start place (row 7, column 57), body cyan (3).
constexpr int kBlock2Row = 7;
constexpr int kBlock2StartColumn = 57;
constexpr int kBlock2MovedColumn = 46;
constexpr int kBlock2Body = 3;

TEST_P(InstructionsKey, OnlyClosesTheScreenAndThePuzzleStartsOver) {
    ScriptedGame game(farnswog_puzzles());
    game.type("2h");  // one move, then the instructions
    game.type_key(GetParam().key);
    EXPECT_EQ(game.run(), std::nullopt);  // Esc does not quit
    EXPECT_EQ(game.sound_log(), "");      // Q does not ask, no refusal beep
    EXPECT_EQ(game.background(kBlock2Row, kBlock2StartColumn), kBlock2Body);
    EXPECT_EQ(game.text(kBlock2Row, kBlock2MovedColumn, 11), std::string(11, ' '));
    EXPECT_EQ(game.text(24, 29, 22), "Select your first move");
    EXPECT_EQ(game.text(24, 69, 12), std::string(12, ' '));  // no move counter
    EXPECT_EQ(game.text(8, 4, 4), "Back");
    // Nothing of the box is left.
    for (int row = kBoxTop; row <= 23; ++row) {
        for (int column = kBoxLeft; column <= kBoxRight; ++column) {
            EXPECT_NE(game.background(row, column), kWhite)
                << "row " << row << ", column " << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    AnyKey, InstructionsKey,
    ::testing::Values(AcknowledgingKey{"Esc", kEscapeKey}, AcknowledgingKey{"UpperQ", "Q"},
                      AcknowledgingKey{"LowerB", "b"}, AcknowledgingKey{"BlockKey", "3"},
                      AcknowledgingKey{"Arrow", kUpKey}, AcknowledgingKey{"Enter", kEnterKey}),
    [](const ::testing::TestParamInfo<AcknowledgingKey>& info) { return info.param.name; });

}  // namespace
}  // namespace blockslide
