#include "tests/game_facts.h"

#include "puzzles/puzzle_sets.h"

namespace blockslide::testing {
namespace {

constexpr std::string_view kFarnswogSolution =
    "2L 3L 1D 4U 8R 9D 6R 2L 2U 9U 8L 4D 1D 6D 2R 2R 9U 3L 1L 4U "
    "8R 3D 9D 5R 5R 0U 7U 3L 3L 8L 8L 1D 4D 6D 2D 2L 5R 9U 6L 4U "
    "4U 6R 7R 3U 8L 1L 6D 7R 7R 1U 1L 9D 9D 5L 4U 2R 5D 4L 2U 5R "
    "9U 9U 8R 3D 1L 7L 7L 5D 4D 4R 9R 0R 1U 1U 3U 3U 7L 8L 5L 6L "
    "4D 4D 2D 2D 9R 0R 1R 3U 7U 5L 5L 0D 1R 1R 3R 3R 7U 5U 8U 6L "
    "6L 0D 1D 1L 9L 2U 2U 4U 4U 0R 1D 1D 3D 3D 9L 2L 4U 0U";

constexpr std::string_view kLowerRightSolution =
    "2D 2D 1D 1D 9R 3U 3U 4L 1L 1D 9D 7L 7L 8U 5U 6U 2R 2R 1R 1R "
    "9D 7D 8L 8L 5U 6U 1U 1R 9R 4R 3D 3D 8L 7L 5L 6L 1U 1U 2U 2U "
    "9R";

constexpr std::string_view kUpperRightSolution =
    "2D 2D 1D 1D 9R 3U 3U 4L 1L 1D 9D 7L 7L 8U 5U 6U 2R 2R 1R 1R "
    "9D 7D 8L 8L 5U 1U 2L 6D 5R 1U 1U 2U 2U 6L 5D 5D 2R 2U 7R 7R "
    "8D 1L 1L 2L 2L 7U 8R 1D 2L 7L 5U 5U 6R 9R 1D 1D 2D 2D 3R 4U "
    "1L 2D 3D 7L 7L 8U 9U 2R 2R 1R 1R 4D 3D 7D 8L 8L 9U 2U 2L 6L "
    "5D 5D 9R";

ProgramFacts make_farnswog() {
    return {
        .name = "Farnswog",
        .puzzle_set = farnswog_puzzles,
        .block_keys = "1234567890",
        // width, height, body colour, top row, left column
        .blocks = {{11, 5, kBrown, 2, 57},
                   {11, 5, kCyan, 7, 57},
                   {11, 5, kGreen, 12, 57},
                   {11, 5, kRed, 17, 57},
                   {22, 5, kGreen, 2, 13},
                   {22, 5, kMagenta, 2, 35},
                   {22, 5, kBrown, 17, 13},
                   {22, 5, kCyan, 17, 35},
                   {11, 10, kRed, 7, 35},
                   {22, 10, kBlue, 7, 13}},
        .face_block = 10,
        .face_digit = "0",
        .zombie_mouth = "[]",
        .command_words = {"Back", "Last", "Redo", "Face", "Auto", "Help", "Quit"},
        .puzzle_number_caption = "",
        .start_moves = {"2L", "3L", "9R"},
        .puzzles = {{
            .name = "Farnswog",
            .game_number = 1,
            .choosing_keys = "",
            .title = "  FARNSWOG!   move the big blue block to the far right.",
            .goal_top_row = 7,
            .goal_left_column = 46,
            .target_bar_first_row = 7,
            .solution = kFarnswogSolution,
            .solution_length = 118,
            .solved_cells =
                {{2, 3}, {3, 0}, {2, 2}, {4, 0}, {0, 1}, {0, 3}, {0, 0}, {0, 2}, {2, 0}, {3, 1}},
        }},
    };
}

ProgramFacts make_traxolumbine() {
    return {
        .name = "Traxolumbine",
        .puzzle_set = traxolumbine_puzzles,
        .block_keys = "123456789",
        .blocks = {{11, 5, kCyan, 2, 35},
                   {11, 5, kRed, 7, 35},
                   {11, 10, kGreen, 12, 13},
                   {11, 10, kMagenta, 12, 24},
                   {11, 10, kCyan, 12, 46},
                   {11, 10, kRed, 12, 57},
                   {22, 5, kBrown, 2, 46},
                   {22, 5, kGreen, 7, 46},
                   {22, 10, kBlue, 2, 13}},
        .face_block = 9,
        .face_digit = "9",
        .zombie_mouth = "{}",
        .command_words = {"Game", "Back", "Last", "Redo", "Face", "Auto", "Help", "Quit"},
        .puzzle_number_caption = "GAME #",
        .start_moves = {"2D", "4R", "5L"},
        .puzzles =
            {{
                 .name = "TraxolumbineLowerRight",
                 .game_number = 1,
                 .choosing_keys = "",
                 .title = "     TRAXOLUMBINE #1 - move the big blue block to the lower right.",
                 .goal_top_row = 12,
                 .goal_left_column = 46,
                 .target_bar_first_row = 12,
                 .solution = kLowerRightSolution,
                 .solution_length = 41,
                 .solved_cells =
                     {{4, 0}, {4, 1}, {0, 2}, {1, 2}, {2, 0}, {3, 0}, {0, 1}, {0, 0}, {3, 2}},
             },
             {
                 .name = "TraxolumbineUpperRight",
                 .game_number = 2,
                 .choosing_keys = "G",
                 .title = "     TRAXOLUMBINE #2 - move the big blue block to the upper right.",
                 .goal_top_row = 2,
                 .goal_left_column = 46,
                 .target_bar_first_row = 2,
                 .solution = kUpperRightSolution,
                 .solution_length = 83,
                 .solved_cells =
                     {{2, 3}, {2, 2}, {1, 2}, {0, 2}, {4, 2}, {3, 2}, {0, 1}, {0, 0}, {3, 0}},
             }},
    };
}

}  // namespace

const ProgramFacts& farnswog() {
    static const ProgramFacts facts = make_farnswog();
    return facts;
}

const ProgramFacts& traxolumbine() {
    static const ProgramFacts facts = make_traxolumbine();
    return facts;
}

std::vector<PuzzleOfProgram> every_puzzle() {
    std::vector<PuzzleOfProgram> puzzles;
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        for (const PuzzleFacts& puzzle : program->puzzles) puzzles.push_back({program, &puzzle});
    }
    return puzzles;
}

}  // namespace blockslide::testing
