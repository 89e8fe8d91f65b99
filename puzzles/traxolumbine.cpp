// blockslide-b: two puzzles on one layout; bring the big blue block 9 to the
// lower right (#1) or the upper right (#2). G switches between them.
#include "console/colors.h"
#include "console/cp437_literal.h"
#include "puzzles/puzzle_sets.h"

namespace blockslide {

namespace {

constexpr BlockLayout kBlocks[] = {
    // width, height, body colour, top row, left column; block number
    {11, 5, color::kCyan, 2, 35},       // 1
    {11, 5, color::kRed, 7, 35},        // 2
    {11, 10, color::kGreen, 12, 13},    // 3
    {11, 10, color::kMagenta, 12, 24},  // 4
    {11, 10, color::kCyan, 12, 46},     // 5
    {11, 10, color::kRed, 12, 57},      // 6
    {22, 5, color::kBrown, 2, 46},      // 7
    {22, 5, color::kGreen, 7, 46},      // 8
    {22, 10, color::kBlue, 2, 13},      // 9, the face block
};

constexpr MoveCode kLowerRightSolution[] = {
    "2D", "2D", "1D", "1D", "9R", "3U", "3U", "4L", "1L", "1D",  //
    "9D", "7L", "7L", "8U", "5U", "6U", "2R", "2R", "1R", "1R",  //
    "9D", "7D", "8L", "8L", "5U", "6U", "1U", "1R", "9R", "4R",  //
    "3D", "3D", "8L", "7L", "5L", "6L", "1U", "1U", "2U", "2U",  //
    "9R",
};

constexpr MoveCode kUpperRightSolution[] = {
    "2D", "2D", "1D", "1D", "9R", "3U", "3U", "4L", "1L", "1D",  //
    "9D", "7L", "7L", "8U", "5U", "6U", "2R", "2R", "1R", "1R",  //
    "9D", "7D", "8L", "8L", "5U", "1U", "2L", "6D", "5R", "1U",  //
    "1U", "2U", "2U", "6L", "5D", "5D", "2R", "2U", "7R", "7R",  //
    "8D", "1L", "1L", "2L", "2L", "7U", "8R", "1D", "2L", "7L",  //
    "5U", "5U", "6R", "9R", "1D", "1D", "2D", "2D", "3R", "4U",  //
    "1L", "2D", "3D", "7L", "7L", "8U", "9U", "2R", "2R", "1R",  //
    "1R", "4D", "3D", "7D", "8L", "8L", "9U", "2U", "2L", "6L",  //
    "5D", "5D", "9R",
};

constexpr CommandWord kCommandBar[] = {
    {"G", "ame"}, {"B", "ack"}, {"L", "ast"}, {"R", "edo"},
    {"F", "ace"}, {"A", "uto"}, {"H", "elp"}, {"Q", "uit"},
};

constexpr auto kHeadingGame1 = "                    INSTRUCTIONS ─ Game #1"_cp437;
constexpr auto kHeadingGame2 = "                    INSTRUCTIONS ─ Game #2"_cp437;

// Every line but the heading, the goal corner and the move count is shared.
constexpr std::array<std::string_view, kInstructionEntries> instructions(std::string_view heading,
                                                                         std::string_view objective,
                                                                         std::string_view minimum) {
    return {
        "",
        heading,
        "",
        objective,
        "right-hand side of the gray box, next to the light-colored bar.",
        "",
        "A block is moved by typing its number (1-9) and sliding it into",
        "a blank space. No block may be moved over the top of another.",
        "When there is a choice of moves for a selected block, the",
        "direction is specified by an arrow key.",
        "",
        "Press 'G' to toggle between Game #1 (easy) and Game #2 (harder)",
        "Press 'B' to cancel the previous move.",
        "Press 'L' to recall the last block moved.",
        "Press 'R' to start over.",
        "Press 'A' anytime to watch the computer solve the puzzle.",
        "Press 'Q' or <Esc> to quit the game.",
        "Press 'F' to change the face between a Nice Man and a Zombie.",
        "",
        minimum,
        "",
        "                          <any key>",
    };
}

constexpr Puzzle kPuzzles[] = {
    {
        .title = "     TRAXOLUMBINE #1 - move the big blue block to the lower right.",
        .goal_block = 9,
        .goal_top_row = 12,
        .goal_left_column = 46,
        .target_bar_first_row = 12,
        .solution = kLowerRightSolution,
        .instructions = instructions(
            kHeadingGame1, "The objective is to move the man in the blue block to the lower",
            "The minimal solution is 41 moves. See if you can do as well!"),
    },
    {
        .title = "     TRAXOLUMBINE #2 - move the big blue block to the upper right.",
        .goal_block = 9,
        .goal_top_row = 2,
        .goal_left_column = 46,
        .target_bar_first_row = 2,
        .solution = kUpperRightSolution,
        .instructions = instructions(
            kHeadingGame2, "The objective is to move the man in the blue block to the upper",
            "The minimal solution is 83 moves. See if you can do as well!"),
    },
};

constexpr PuzzleSet kTraxolumbine = {
    .block_keys = "123456789",
    .command_letters = "GBLRAHQF",
    .command_bar = kCommandBar,
    .game_caption = "GAME #",
    .blocks = kBlocks,
    .face_block = 9,
    .face = {.nice_man_digit = "  9  ",
             .zombie_digit = " 9 ",
             .zombie_mouth_left = "{",
             .zombie_mouth_right = "}"},
    .instruction_box = {.top = 2, .left = 7, .width = 65, .height = 21},
    .puzzles = kPuzzles,
};

}  // namespace

const PuzzleSet& traxolumbine_puzzles() {
    return kTraxolumbine;
}

}  // namespace blockslide
