// The move history in whole games of blockslide-a: Back takes moves back one
// by one and counts as a move, Last flashes the block moved last, both only
// beep on an empty history, and the history keeps the most recent 1000 moves.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "console/cp437.h"
#include "console/keys.h"
#include "puzzles/puzzle_sets.h"
#include "tests/scripted_game.h"

namespace blockslide {
namespace {

using testing::ScriptedGame;

constexpr int kBlack = 0;
constexpr int kRed = 4;
constexpr int kLightCyan = 11;
constexpr int kWhite = 15;
constexpr int kBlockInk = kWhite;

constexpr int attribute_of(int foreground, int background) {
    return foreground + 16 * background;
}

constexpr int kStatusRow = 24;
constexpr int kStatusBlankColumn = 13;
constexpr int kStatusBlankWidth = 50;
constexpr int kCounterColumn = 69;
constexpr int kFlashMs = 200;

// Board interior.
constexpr int kBoardTop = 2;
constexpr int kBoardBottom = 21;
constexpr int kBoardLeft = 13;
constexpr int kBoardRight = 67;

struct Shape {
    int width;
    int height;
    int body;
};
struct Place {
    int top;
    int left;
};
// The screen place of grid cell (column c, row r).
constexpr Place cell(int c, int r) {
    return {2 + 5 * r, 13 + 11 * c};
}

constexpr int kBlocks = 10;
using Layout = std::array<Place, kBlocks>;  // indexed by block number - 1

constexpr std::array<Shape, kBlocks> kShapes = {{
    {11, 5, 6},   // 1 brown
    {11, 5, 3},   // 2 cyan
    {11, 5, 2},   // 3 green
    {11, 5, 4},   // 4 red
    {22, 5, 2},   // 5 green
    {22, 5, 5},   // 6 magenta
    {22, 5, 6},   // 7 brown
    {22, 5, 3},   // 8 cyan
    {11, 10, 4},  // 9 red
    {22, 10, 1},  // 10 blue, the face block
}};

constexpr Layout kStartLayout = {cell(4, 0), cell(4, 1), cell(4, 2), cell(4, 3), cell(0, 0),
                                 cell(2, 0), cell(0, 3), cell(2, 3), cell(2, 1), cell(0, 1)};

// The start layout with block `number` at another place.
constexpr Layout with_block_at(Layout layout, int number, Place place) {
    layout[number - 1] = place;
    return layout;
}

// After the stored 118-move solution.
constexpr Layout kSolvedLayout = {cell(2, 3), cell(3, 0), cell(2, 2), cell(4, 0), cell(0, 1),
                                  cell(0, 3), cell(0, 0), cell(0, 2), cell(2, 0), cell(3, 1)};

std::string glyphs(const ScreenModel& screen, int row, int column, int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += cp437_glyph_utf8(screen.cell(row, column + i).character);
    return text;
}

// "Moves: n" as it stands from column 69, without the trailing blanks.
std::string move_counter(const ScreenModel& screen) {
    std::string text = glyphs(screen, kStatusRow, kCounterColumn, 80 - kCounterColumn + 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool status_line_is_blank(const ScreenModel& screen) {
    for (int column = kStatusBlankColumn; column < kStatusBlankColumn + kStatusBlankWidth;
         ++column) {
        const Cell& c = screen.cell(kStatusRow, column);
        if (c.character != ' ' || c.attribute != 0) return false;
    }
    return true;
}

// Every block drawn in full at its place in its own colours, every other
// board cell a black blank.
::testing::AssertionResult shows_layout(const ScreenModel& screen, const Layout& layout) {
    std::array<std::array<bool, 81>, 26> covered{};
    for (int number = 1; number <= kBlocks; ++number) {
        const Shape& shape = kShapes[number - 1];
        const Place& place = layout[number - 1];
        const int bottom = place.top + shape.height - 1;
        const int right = place.left + shape.width - 1;
        for (int row = place.top; row <= bottom; ++row) {
            for (int column = place.left; column <= right; ++column) {
                covered[row][column] = true;
                if (attribute_background(screen.cell(row, column).attribute) != shape.body) {
                    return ::testing::AssertionFailure()
                           << "block " << number << " expected at row " << place.top << ", column "
                           << place.left << ": cell (" << row << ", " << column
                           << ") has attribute " << int(screen.cell(row, column).attribute);
                }
            }
        }
        const std::string corners =
            glyphs(screen, place.top, place.left, 1) + glyphs(screen, place.top, right, 1) +
            glyphs(screen, bottom, place.left, 1) + glyphs(screen, bottom, right, 1);
        if (corners != "┌┐└┘" ||
            attribute_foreground(screen.cell(place.top, place.left).attribute) != kBlockInk) {
            return ::testing::AssertionFailure()
                   << "block " << number << " outline at row " << place.top << ", column "
                   << place.left << " shows corners " << corners;
        }
    }
    for (int row = kBoardTop; row <= kBoardBottom; ++row) {
        for (int column = kBoardLeft; column <= kBoardRight; ++column) {
            const Cell& c = screen.cell(row, column);
            if (!covered[row][column] && (c.character != ' ' || c.attribute != 0)) {
                return ::testing::AssertionFailure()
                       << "free board cell (" << row << ", " << column << ") is not a black blank";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// True when block `number` at `place` shows the red-on-white highlight of L.
bool shows_last_block_highlight(const ScreenModel& screen, int number, Place place) {
    const Shape& shape = kShapes[number - 1];
    for (int row = place.top; row < place.top + shape.height; ++row) {
        for (int column = place.left; column < place.left + shape.width; ++column) {
            if (attribute_background(screen.cell(row, column).attribute) != kWhite) return false;
        }
    }
    return glyphs(screen, place.top, place.left, 1) == "┌" &&
           screen.cell(place.top, place.left).attribute == attribute_of(kRed, kWhite) &&
           screen.cell(place.top + shape.height - 1, place.left + 1).attribute ==
               attribute_of(kRed, kWhite);
}

std::vector<std::int64_t> highlight_times(ScriptedGame& game, int number, Place place) {
    std::vector<std::int64_t> times;
    for (const auto& frame : game.console().frames()) {
        if (shows_last_block_highlight(frame.screen, number, place)) times.push_back(frame.at_ms);
    }
    return times;
}

ScreenModel fresh_start_screen() {
    ScriptedGame game(farnswog_puzzles());
    game.run();
    return game.screen();
}

// Rows 1 to 22 left of the target bar column: the gray box and the board.
// (The bar itself turns gray at the first key.)
void expect_same_board(const ScreenModel& actual, const ScreenModel& expected) {
    constexpr int kLastColumnBeforeBar = 68;
    for (int row = 1; row <= 22; ++row) {
        EXPECT_EQ(glyphs(actual, row, 1, kLastColumnBeforeBar),
                  glyphs(expected, row, 1, kLastColumnBeforeBar))
            << "row " << row;
        for (int column = 1; column <= kLastColumnBeforeBar; ++column) {
            EXPECT_EQ(actual.cell(row, column).attribute, expected.cell(row, column).attribute)
                << "row " << row << ", column " << column;
        }
    }
}

// Start layout: free cells c3 r1 and c3 r2. "2" moves block 2 left, then
// "1" moves block 1 down and "6" moves block 6 right, each its only way.
constexpr std::string_view kThreeMoves = "216";

TEST(BackCommand, ThreeBacksRestoreTheStartLayoutCountingSixMovesAndAFourthOnlyBeeps) {
    ScriptedGame game(farnswog_puzzles());
    game.type(kThreeMoves);
    game.type("BBB");
    game.run();
    EXPECT_TRUE(shows_layout(game.screen(), kStartLayout));
    expect_same_board(game.screen(), fresh_start_screen());
    EXPECT_EQ(move_counter(game.screen()), "Moves: 6");
    EXPECT_EQ(game.attribute(kStatusRow, kCounterColumn), attribute_of(kLightCyan, kBlack));
    EXPECT_EQ(game.sound_log(), "");

    ScriptedGame one_more(farnswog_puzzles());
    one_more.type(kThreeMoves);
    one_more.type("BBBB");
    one_more.run();
    EXPECT_EQ(one_more.sound_log(), "beep2");
    EXPECT_TRUE(shows_layout(one_more.screen(), kStartLayout));
    EXPECT_EQ(move_counter(one_more.screen()), "Moves: 6");
}

TEST(BackCommand, TakesBackEachMoveInTurnNewestFirst) {
    struct Step {
        std::string_view backs;
        Layout layout;
    };
    const Layout after_two_moves =
        with_block_at(with_block_at(kStartLayout, 2, cell(3, 1)), 1, cell(4, 1));
    const Step steps[] = {
        {"b", after_two_moves},
        {"bb", with_block_at(kStartLayout, 2, cell(3, 1))},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.backs);
        ScriptedGame game(farnswog_puzzles());
        game.type(kThreeMoves);
        game.type(step.backs);
        game.run();
        EXPECT_TRUE(shows_layout(game.screen(), step.layout));
    }
}

TEST(BackCommand, MovesABlockThatWentRightBackLeftAndBlanksTheColumnItLeaves) {
    ScriptedGame game(farnswog_puzzles());
    game.type("9b");  // block 9 right into c3, then back
    game.run();
    EXPECT_TRUE(shows_layout(game.screen(), kStartLayout));
    EXPECT_EQ(game.text(11, 40, 1), "9");  // its label, in its old place again
    for (int row = 7; row <= 16; ++row) {
        EXPECT_EQ(game.text(row, 46, 11), std::string(11, ' ')) << "row " << row;
        EXPECT_TRUE(game.span_has_attribute(row, 46, 11, 0)) << "row " << row;
    }
    EXPECT_EQ(move_counter(game.screen()), "Moves: 2");
}

TEST(BackCommand, AtTheDirectionPromptCancelsThePreviousMoveAndBlanksThePrompt) {
    ScriptedGame game(farnswog_puzzles());
    // After 2 left, block 3 can go up or left: "3" asks for a direction.
    game.type("23");
    game.run();
    ASSERT_EQ(game.text(kStatusRow, 28, 25), "Specify direction (arrow)");

    ScriptedGame backed(farnswog_puzzles());
    backed.type("23b");
    backed.run();
    EXPECT_TRUE(shows_layout(backed.screen(), kStartLayout));
    EXPECT_TRUE(status_line_is_blank(backed.screen()));
    EXPECT_EQ(move_counter(backed.screen()), "Moves: 2");
    EXPECT_EQ(backed.sound_log(), "");

    // The history is empty again: one more B only beeps.
    ScriptedGame emptied(farnswog_puzzles());
    emptied.type("23bb");
    emptied.run();
    EXPECT_EQ(emptied.sound_log(), "beep2");
    EXPECT_TRUE(shows_layout(emptied.screen(), kStartLayout));
}

TEST(LastCommand, FlashesTheMovedBlockRedOnWhiteFor200MsWithoutMovingIt) {
    const Place block_2_moved = cell(3, 1);
    ScriptedGame game(farnswog_puzzles());
    game.console().record_frames(true);
    game.type("2L");
    game.run();
    EXPECT_EQ(highlight_times(game, 2, block_2_moved), std::vector<std::int64_t>{0});
    EXPECT_EQ(game.now_ms(), kFlashMs);
    EXPECT_TRUE(shows_layout(game.screen(), with_block_at(kStartLayout, 2, block_2_moved)));
    EXPECT_EQ(game.text(9, 51, 1), "2");
    EXPECT_EQ(move_counter(game.screen()), "Moves: 1");
    EXPECT_EQ(game.sound_log(), "");
}

TEST(LastCommand, AfterBackFlashesTheBlockOfTheMoveBefore) {
    const Place block_2_moved = cell(3, 1);
    ScriptedGame game(farnswog_puzzles());
    game.console().record_frames(true);
    game.type("21bl");  // 2 left, 1 down, 1 back up, last
    game.run();
    EXPECT_EQ(highlight_times(game, 2, block_2_moved), std::vector<std::int64_t>{0});
    EXPECT_TRUE(highlight_times(game, 1, cell(4, 0)).empty());
    EXPECT_TRUE(highlight_times(game, 1, cell(4, 1)).empty());
    EXPECT_TRUE(shows_layout(game.screen(), with_block_at(kStartLayout, 2, block_2_moved)));
    EXPECT_EQ(game.now_ms(), kFlashMs);
}

TEST(HistoryCommands, LastAndBackRightAfterTheStartOnlyBeep) {
    ScriptedGame game(farnswog_puzzles());
    game.type("Lb");
    game.run();
    EXPECT_EQ(game.sound_log(), "beep2 beep2");
    EXPECT_EQ(game.now_ms(), 0);  // no flash
    EXPECT_TRUE(shows_layout(game.screen(), kStartLayout));
    EXPECT_EQ(move_counter(game.screen()), "");
}

// A long game: block 9 slides right and back 1000 times (the start layout
// again), then 2 left; block 1 slides down and up 499 times; then 3 left
// (chosen with an arrow) and 1 down. 3001 moves, the last 1000 of them
// from the layout with only block 2 moved.
constexpr int kHistoryCapacity = 1000;
constexpr int kLongGameMoves = 3001;

void type_long_game(ScriptedGame& game) {
    game.type(std::string(2000, '9'));
    game.type("2");
    game.type(std::string(998, '1'));
    game.type("3");
    game.type_key(kLeftKey);
    game.type("1");
}

constexpr Layout kLayoutBeforeLast1000 = with_block_at(kStartLayout, 2, cell(3, 1));
constexpr Layout kLongGameEnd = with_block_at(
    with_block_at(with_block_at(kStartLayout, 2, cell(3, 1)), 3, cell(3, 2)), 1, cell(4, 1));

TEST(LongHistory, BackTakesBackTheNewestMovesOneByOne) {
    struct Step {
        int backs;
        Layout layout;
    };
    const Step steps[] = {
        {0, kLongGameEnd},
        {1, with_block_at(kLongGameEnd, 1, cell(4, 0))},           // 1 down undone
        {2, with_block_at(kLayoutBeforeLast1000, 1, cell(4, 0))},  // 3 left undone
        {3, with_block_at(kLayoutBeforeLast1000, 1, cell(4, 1))},  // 1 up undone
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.backs);
        ScriptedGame game(farnswog_puzzles());
        type_long_game(game);
        game.type(std::string(step.backs, 'B'));
        game.run();
        EXPECT_TRUE(shows_layout(game.screen(), step.layout));
        EXPECT_EQ(move_counter(game.screen()),
                  "Moves: " + std::to_string(kLongGameMoves + step.backs));
        EXPECT_EQ(game.sound_log(), "");
    }
}

TEST(LongHistory, KeepsTheNewest1000MovesSoExactly1000BacksSucceed) {
    ScriptedGame game(farnswog_puzzles());
    type_long_game(game);
    game.type(std::string(kHistoryCapacity, 'B'));
    game.run();
    EXPECT_EQ(game.sound_log(), "");
    EXPECT_TRUE(shows_layout(game.screen(), kLayoutBeforeLast1000));
    EXPECT_EQ(move_counter(game.screen()), "Moves: 4001");

    ScriptedGame one_more(farnswog_puzzles());
    type_long_game(one_more);
    one_more.type(std::string(kHistoryCapacity + 1, 'B'));
    one_more.run();
    EXPECT_EQ(one_more.sound_log(), "beep2");
    EXPECT_TRUE(shows_layout(one_more.screen(), kLayoutBeforeLast1000));
    EXPECT_EQ(move_counter(one_more.screen()), "Moves: 4001");
}

// The replay of 118 moves on top of a full history of 1000 records.
constexpr std::int64_t kReplayEndMs = 500 + 118 * 750 + 1000;
constexpr std::int64_t kPauseAfterLastMoveMs = 500 + 117 * 750 + 250;

TEST(LongHistory, AutoPlayOnAFullHistoryReplaysTheSolutionAndThenStartsAfresh) {
    ScriptedGame replaying(farnswog_puzzles());
    replaying.type(std::string(kHistoryCapacity, '9'));
    replaying.type("A");
    replaying.run();
    EXPECT_TRUE(shows_layout(replaying.screen(), kSolvedLayout));
    EXPECT_EQ(move_counter(replaying.screen()), "Moves: 118");
    EXPECT_EQ(replaying.text(kStatusRow, 36, 9), "<any key>");
    EXPECT_EQ(replaying.now_ms(), kReplayEndMs);

    ScriptedGame after(farnswog_puzzles());
    after.type(std::string(kHistoryCapacity, '9'));
    after.type("A");
    after.console().type_at(kPauseAfterLastMoveMs, "x");
    after.type("B");  // the fresh start has an empty history
    after.run();
    EXPECT_EQ(after.sound_log(), "ding2 ding2 beep2");
    EXPECT_TRUE(shows_layout(after.screen(), kStartLayout));
    EXPECT_EQ(move_counter(after.screen()), "");
}

}  // namespace
}  // namespace blockslide
