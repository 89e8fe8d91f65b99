#include "tests/game_tables.h"

#include "puzzles/puzzle_sets.h"

namespace blockslide::testing {

// Blocks are listed as: grid column, grid row, columns, rows, body colour.
const ProgramFacts& farnswog() {
    static const ProgramFacts facts{
        .puzzle_set = farnswog_puzzles,
        .block_keys = "1234567890",
        .blocks = {{4, 0, 1, 1, kBrown},
                   {4, 1, 1, 1, kCyan},
                   {4, 2, 1, 1, kGreen},
                   {4, 3, 1, 1, kRed},
                   {0, 0, 2, 1, kGreen},
                   {2, 0, 2, 1, kMagenta},
                   {0, 3, 2, 1, kBrown},
                   {2, 3, 2, 1, kCyan},
                   {2, 1, 1, 2, kRed},
                   {0, 1, 2, 2, kBlue}},
        .face_block = 10,
        .face_digit = "0",
        .zombie_mouth = "[]",
        .command_words = {"Back", "Last", "Redo", "Face", "Auto", "Help", "Quit"},
        .numbered = false,
        .puzzles =
            {{"  FARNSWOG!   move the big blue block to the far right.",
              "",
              3,
              1,
              7,
              118,
              {{2, 3}, {3, 0}, {2, 2}, {4, 0}, {0, 1}, {0, 3}, {0, 0}, {0, 2}, {2, 0}, {3, 1}}}},
    };
    return facts;
}

const ProgramFacts& traxolumbine() {
    static const ProgramFacts facts{
        .puzzle_set = traxolumbine_puzzles,
        .block_keys = "123456789",
        .blocks = {{2, 0, 1, 1, kCyan},
                   {2, 1, 1, 1, kRed},
                   {0, 2, 1, 2, kGreen},
                   {1, 2, 1, 2, kMagenta},
                   {3, 2, 1, 2, kCyan},
                   {4, 2, 1, 2, kRed},
                   {3, 0, 2, 1, kBrown},
                   {3, 1, 2, 1, kGreen},
                   {0, 0, 2, 2, kBlue}},
        .face_block = 9,
        .face_digit = "9",
        .zombie_mouth = "{}",
        .command_words = {"Game", "Back", "Last", "Redo", "Face", "Auto", "Help", "Quit"},
        .numbered = true,
        .puzzles = {{"     TRAXOLUMBINE #1 - move the big blue block to the lower right.",
                     "",
                     3,
                     2,
                     12,
                     41,
                     {{4, 0}, {4, 1}, {0, 2}, {1, 2}, {2, 0}, {3, 0}, {0, 1}, {0, 0}, {3, 2}}},
                    {"     TRAXOLUMBINE #2 - move the big blue block to the upper right.",
                     "G",
                     3,
                     0,
                     2,
                     83,
                     {{2, 3}, {2, 2}, {1, 2}, {0, 2}, {4, 2}, {3, 2}, {0, 1}, {0, 0}, {3, 0}}}},
    };
    return facts;
}

std::vector<PuzzleOf> every_puzzle() {
    return {{&farnswog(), 1}, {&traxolumbine(), 1}, {&traxolumbine(), 2}};
}

}  // namespace blockslide::testing
