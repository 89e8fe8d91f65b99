// blockslide-a: slide the big blue block 10 to the right-hand centre.
#include "console/colors.h"
#include "console/cp437_literal.h"
#include "puzzles/puzzle_sets.h"

namespace blockslide {

namespace {

constexpr BlockLayout kBlocks[] = {
    // width, height, body colour, top row, left column; block number
    {11, 5, color::kBrown, 2, 57},    // 1
    {11, 5, color::kCyan, 7, 57},     // 2
    {11, 5, color::kGreen, 12, 57},   // 3
    {11, 5, color::kRed, 17, 57},     // 4
    {22, 5, color::kGreen, 2, 13},    // 5
    {22, 5, color::kMagenta, 2, 35},  // 6
    {22, 5, color::kBrown, 17, 13},   // 7
    {22, 5, color::kCyan, 17, 35},    // 8
    {11, 10, color::kRed, 7, 35},     // 9
    {22, 10, color::kBlue, 7, 13},    // 10, the face block
};

constexpr MoveCode kSolution[] = {
    "2L", "3L", "1D", "4U", "8R", "9D", "6R", "2L", "2U", "9U",  //
    "8L", "4D", "1D", "6D", "2R", "2R", "9U", "3L", "1L", "4U",  //
    "8R", "3D", "9D", "5R", "5R", "0U", "7U", "3L", "3L", "8L",  //
    "8L", "1D", "4D", "6D", "2D", "2L", "5R", "9U", "6L", "4U",  //
    "4U", "6R", "7R", "3U", "8L", "1L", "6D", "7R", "7R", "1U",  //
    "1L", "9D", "9D", "5L", "4U", "2R", "5D", "4L", "2U", "5R",  //
    "9U", "9U", "8R", "3D", "1L", "7L", "7L", "5D", "4D", "4R",  //
    "9R", "0R", "1U", "1U", "3U", "3U", "7L", "8L", "5L", "6L",  //
    "4D", "4D", "2D", "2D", "9R", "0R", "1R", "3U", "7U", "5L",  //
    "5L", "0D", "1R", "1R", "3R", "3R", "7U", "5U", "8U", "6L",  //
    "6L", "0D", "1D", "1L", "9L", "2U", "2U", "4U", "4U", "0R",  //
    "1D", "1D", "3D", "3D", "9L", "2L", "4U", "0U",
};

constexpr CommandWord kCommandBar[] = {
    {"B", "ack"}, {"L", "ast"}, {"R", "edo"}, {"F", "ace"},
    {"A", "uto"}, {"H", "elp"}, {"Q", "uit"},
};

constexpr auto kInstructionsHeading = "                      ─ INSTRUCTIONS ─"_cp437;

constexpr Puzzle kPuzzles[] = {{
    .title = "  FARNSWOG!   move the big blue block to the far right.",
    .goal_block = 10,
    .goal_top_row = 7,
    .goal_left_column = 46,
    .target_bar_first_row = 7,
    .solution = kSolution,
    .instructions =
        {
            "",
            kInstructionsHeading,
            "",
            "The objective is to move the man in the big blue block to the",
            "right-hand side of the gray box, next to the light-colored bar.",
            "",
            "A block is moved by typing its number (0-9) and sliding it into",
            "a blank space. No block may be moved over the top of another.",
            "When there is a choice of moves for a selected block, the",
            "direction is specified by an arrow key.",
            "",
            "Press 'B' to cancel the previous move.",
            "Press 'L' to recall the last block moved.",
            "Press 'R' to start over.",
            "Press 'A' anytime to watch the computer solve the puzzle.",
            "Press 'Q' or <Esc> to quit the game.",
            "Press 'F' to change the face between Nice Man and Zombie.",
            "",
            "The minimal solution is 118 moves. See if you can do as well!",
            "",
            "                          <any key>",
        },
}};

constexpr PuzzleSet kFarnswog = {
    .block_keys = "1234567890",
    .command_letters = "BLRAHQF",
    .command_bar = kCommandBar,
    .game_caption = "",
    .blocks = kBlocks,
    .face_block = 10,
    .face = {.nice_man_digit = "  0  ",
             .zombie_digit = " 0 ",
             .zombie_mouth_left = "[",
             .zombie_mouth_right = "]"},
    .instruction_box = {.top = 2, .left = 7, .width = 65, .height = 20},
    .puzzles = kPuzzles,
};

}  // namespace

const PuzzleSet& farnswog_puzzles() {
    return kFarnswog;
}

}  // namespace blockslide
