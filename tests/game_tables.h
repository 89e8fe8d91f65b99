// What the two games are meant to show and do: block places, colours, texts,
// goals and timings, written once. Tests take expected values from here and
// never from the program; the stored solutions are read from the PuzzleSet.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/puzzle_set.h"

namespace blockslide::testing {

enum Color {
    kBlack = 0,
    kBlue = 1,
    kGreen = 2,
    kCyan = 3,
    kRed = 4,
    kMagenta = 5,
    kBrown = 6,
    kLightGray = 7,
    kDarkGray = 8,
    kLightCyan = 11,
    kLightRed = 12,
    kYellow = 14,
    kWhite = 15,
};
constexpr int attribute_of(int ink, int paper) {
    return ink | paper << 4;
}

inline constexpr int kCellWidth = 11;
inline constexpr int kCellHeight = 5;
inline constexpr int kGridColumns = 5;
inline constexpr int kGridRows = 4;
inline constexpr int kBoardTop = 2;
inline constexpr int kBoardLeft = 13;
inline constexpr int kBarColumn = 69;
inline constexpr int kStatusRow = 24;
inline constexpr int kCounterColumn = 69;
inline constexpr int kUp = 1, kRight = 2, kDown = 4, kLeft = 8;

inline constexpr std::int64_t kFlashMs = 200;
inline constexpr std::int64_t kFirstReplayPauseMs = 500;
inline constexpr std::int64_t kReplayPauseMs = 750;
// When the k-th move of an auto-play started at time 0 is made.
constexpr std::int64_t replay_move_time(int k) {
    return kFirstReplayPauseMs + (k - 1) * kReplayPauseMs;
}

struct StatusText {
    std::string_view text;
    int column;
    int attribute;
};
inline constexpr StatusText kBlankStatus{"", 13, 0};
inline constexpr StatusText kFirstPrompt{"Select your first move", 29, attribute_of(kLightGray, 0)};
inline constexpr StatusText kDirectionPrompt{"Specify direction (arrow)", 28,
                                             attribute_of(kLightGray, 0)};
inline constexpr StatusText kQuitQuestion{" Do you wish to quit the game? (Y/n) ", 22,
                                          attribute_of(kMagenta, kWhite)};
inline constexpr StatusText kCongratulation{" CONGRATULATIONS! ", 31, attribute_of(kRed, kWhite)};
inline constexpr StatusText kAutoPlayCaption{"Auto-Play in Progress <any key to stop>", 21,
                                             attribute_of(kLightRed, 0)};
inline constexpr StatusText kAnyKey{"<any key>", 36, attribute_of(kLightRed, 0)};

// A block in grid cells, counted from the board's top-left cell (0, 0).
struct Block {
    int column;
    int row;
    int columns;
    int rows;
    int color;
};

struct GridCell {
    int column;
    int row;
};

struct PuzzleFacts {
    std::string_view title;
    std::string_view choosing_keys;  // typed at the start to get to this puzzle
    int goal_column;
    int goal_row;
    int bar_first_row;
    int fewest_moves;
    std::vector<GridCell> solved;  // each block's cell after the stored solution
};

struct ProgramFacts {
    const PuzzleSet& (*puzzle_set)();
    std::string_view block_keys;  // the key of block n is character n - 1
    std::vector<Block> blocks;
    int face_block;
    std::string_view face_digit;    // shown in the face, not the block's own label
    std::string_view zombie_mouth;  // its left and right side
    std::vector<std::string_view> command_words;
    bool numbered;  // "GAME #n" on the frame
    std::vector<PuzzleFacts> puzzles;
    int block_count() const { return static_cast<int>(blocks.size()); }
};

const ProgramFacts& farnswog();      // blockslide-a
const ProgramFacts& traxolumbine();  // blockslide-b

struct PuzzleOf {
    const ProgramFacts* program;
    int game_number;
    const PuzzleFacts& puzzle() const { return program->puzzles[game_number - 1]; }
};
std::vector<PuzzleOf> every_puzzle();

}  // namespace blockslide::testing
