// What the two games are meant to show and do: block places, colours, texts,
// goals and timings, written once. Tests take expected values from here and
// never from the program; the stored solutions are read from the PuzzleSet.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/puzzle_set.h"
#include "engine/screen_layout.h"
#include "puzzles/puzzle_sets.h"
#include "tests/screen_pictures.h"

namespace blockslide::test {

inline constexpr int kBlack = 0, kBlue = 1, kGreen = 2, kCyan = 3, kRed = 4, kMagenta = 5;
inline constexpr int kBrown = 6, kLightGray = 7, kDarkGray = 8, kLightCyan = 11, kLightRed = 12;
inline constexpr int kYellow = 14, kWhite = 15;
inline constexpr int kUp = 1, kRight = 2, kDown = 4, kLeft = 8;
// The scan codes of the arrow keys, in the order up, right, down, left.
inline constexpr int kArrowScanCodes[] = {72, 77, 80, 75};
inline constexpr std::int64_t kFlashMs = 200, kFirstReplayPauseMs = 500, kReplayPauseMs = 750;
// When the k-th move of an auto-play started at time 0 is made.
constexpr std::int64_t replay_move_time(int k) {
    return kFirstReplayPauseMs + (k - 1) * kReplayPauseMs;
}

struct StatusText {
    std::string_view text;
    int column, ink, paper;
};
inline constexpr StatusText kBlankStatus{"", 13, 0, 0};
inline constexpr StatusText kFirstPrompt{"Select your first move", 29, kLightGray, 0};
inline constexpr StatusText kDirectionPrompt{"Specify direction (arrow)", 28, kLightGray, 0};
inline constexpr StatusText kQuitQuestion{" Do you wish to quit the game? (Y/n) ", 22, kMagenta,
                                          kWhite};
inline constexpr StatusText kCongratulation{" CONGRATULATIONS! ", 31, kRed, kWhite};
inline constexpr StatusText kAnyKey{"<any key>", 36, kLightRed, 0};

// A block in grid cells, counted from the board's top-left cell (0, 0).
struct Block {
    int column, row, columns, rows, color;
};

struct PuzzleFacts {
    std::string_view title;
    int goal_column, goal_row, bar_first_row, fewest_moves;
};

struct ProgramFacts {
    const PuzzleSet& (*puzzle_set)();
    std::string_view block_keys;  // the key of block n is character n - 1
    std::vector<Block> blocks;
    int face_block;
    std::span<const std::string_view> start_screen;  // rows 1 to 22, puzzle 1
    std::string_view zombie_digit_and_mouth;         // where the Zombie's differ from the picture's
    std::vector<PuzzleFacts> puzzles;
    int block_count() const { return static_cast<int>(blocks.size()); }
};

// Blocks in the order of their numbers: column, row, columns, rows, colour.
// clang-format off
inline const ProgramFacts& farnswog() {
    static const ProgramFacts facts{farnswog_puzzles, "1234567890",
        {{4, 0, 1, 1, kBrown}, {4, 1, 1, 1, kCyan}, {4, 2, 1, 1, kGreen}, {4, 3, 1, 1, kRed},
         {0, 0, 2, 1, kGreen}, {2, 0, 2, 1, kMagenta}, {0, 3, 2, 1, kBrown}, {2, 3, 2, 1, kCyan},
         {2, 1, 1, 2, kRed}, {0, 1, 2, 2, kBlue}},
        10, kStartScreenA, "0[]",
        {{"  FARNSWOG!   move the big blue block to the far right.", 3, 1, 7, 118}}};
    return facts;
}

inline const ProgramFacts& traxolumbine() {
    static const ProgramFacts facts{traxolumbine_puzzles, "123456789",
        {{2, 0, 1, 1, kCyan}, {2, 1, 1, 1, kRed}, {0, 2, 1, 2, kGreen}, {1, 2, 1, 2, kMagenta},
         {3, 2, 1, 2, kCyan}, {4, 2, 1, 2, kRed}, {3, 0, 2, 1, kBrown}, {3, 1, 2, 1, kGreen},
         {0, 0, 2, 2, kBlue}},
        9, kStartScreenB, "9{}",
        {{"     TRAXOLUMBINE #1 - move the big blue block to the lower right.", 3, 2, 12, 41},
         {"     TRAXOLUMBINE #2 - move the big blue block to the upper right.", 3, 0, 2, 83}}};
    return facts;
}
// clang-format on

}  // namespace blockslide::test
