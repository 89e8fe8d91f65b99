// What the two games are meant to show and do, transcribed once from their
// tables; tests take every expected value from here, never from the program.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace blockslide {
struct PuzzleSet;
}

namespace blockslide::testing {

inline constexpr int kBlack = 0;
inline constexpr int kBlue = 1;
inline constexpr int kGreen = 2;
inline constexpr int kCyan = 3;
inline constexpr int kRed = 4;
inline constexpr int kMagenta = 5;
inline constexpr int kBrown = 6;
inline constexpr int kLightGray = 7;
inline constexpr int kDarkGray = 8;
inline constexpr int kLightCyan = 11;
inline constexpr int kLightRed = 12;
inline constexpr int kYellow = 14;
inline constexpr int kWhite = 15;

constexpr int attribute_of(int foreground, int background) {
    return foreground | background << 4;
}

// The board: 5 x 4 cells of 11 columns by 5 rows inside a gray box.
inline constexpr int kCellWidth = 11;
inline constexpr int kCellHeight = 5;
inline constexpr int kGridColumns = 5;
inline constexpr int kGridRows = 4;
inline constexpr int kBoardTop = 2;
inline constexpr int kBoardLeft = 13;
inline constexpr int kBoardBottom = 21;
inline constexpr int kBoardRight = 67;
inline constexpr int kBoxTop = 1;
inline constexpr int kBoxBottom = 22;
inline constexpr int kBoxLeft = 11;
inline constexpr int kBoxRight = 69;

inline constexpr int kBlockInk = kWhite;  // outlines and labels
// The face: dark gray with a yellow digit while no move is recorded, yellow
// with a white digit once one is.
inline constexpr int kFreshFaceInk = kDarkGray;
inline constexpr int kFreshDigitInk = kYellow;
inline constexpr int kPlayedFaceInk = kYellow;
inline constexpr int kPlayedDigitInk = kWhite;

inline constexpr int kPuzzleNumberRow = 6;
inline constexpr int kPuzzleNumberColumn = 2;
inline constexpr int kCommandBarRow = 8;
inline constexpr int kCommandBarColumn = 4;
inline constexpr int kTargetBarColumn = 69;
inline constexpr int kTargetBarRows = 10;

inline constexpr int kStatusRow = 24;
inline constexpr int kStatusBlankColumn = 13;  // 50 black blanks from here
inline constexpr int kStatusBlankWidth = 50;
inline constexpr int kMoveCounterColumn = 69;
inline constexpr int kMoveCounterAttribute = attribute_of(kLightCyan, kBlack);

struct StatusText {
    std::string_view text;
    int column;
    int attribute;
    int length() const { return static_cast<int>(text.size()); }
};

inline constexpr StatusText kFirstPrompt{"Select your first move", 29,
                                         attribute_of(kLightGray, kBlack)};
inline constexpr StatusText kDirectionPrompt{"Specify direction (arrow)", 28,
                                             attribute_of(kLightGray, kBlack)};
inline constexpr StatusText kQuitQuestion{" Do you wish to quit the game? (Y/n) ", 22,
                                          attribute_of(kMagenta, kWhite)};
inline constexpr StatusText kCongratulation{" CONGRATULATIONS! ", 31, attribute_of(kRed, kWhite)};
inline constexpr StatusText kAutoPlayCaption{"Auto-Play in Progress <any key to stop>", 21,
                                             attribute_of(kLightRed, kBlack)};
inline constexpr StatusText kAnyKey{"<any key>", 36, attribute_of(kLightRed, kBlack)};

inline constexpr int kUp = 1;
inline constexpr int kRight = 2;
inline constexpr int kDown = 4;
inline constexpr int kLeft = 8;

inline constexpr std::int64_t kFlashMs = 200;
inline constexpr std::int64_t kFirstReplayPauseMs = 500;
inline constexpr std::int64_t kReplayPauseMs = 750;
inline constexpr int kHistoryCapacity = 1000;

// When the k-th move of an auto-play started at time 0 is made.
constexpr std::int64_t replay_move_time(int k) {
    return kFirstReplayPauseMs + (k - 1) * kReplayPauseMs;
}
// When a complete auto-play of `moves` moves has flashed three times and waits.
constexpr std::int64_t replay_end_time(int moves) {
    return replay_move_time(moves) + kReplayPauseMs + 5 * kFlashMs;
}

// A block's size, body colour and place, in screen rows and columns.
struct BlockPlace {
    int width;
    int height;
    int body_color;
    int top_row;
    int left_column;
};

struct GridCell {
    int column;
    int row;
};

struct PuzzleFacts {
    std::string_view name;
    int game_number;
    std::string_view choosing_keys;  // typed at the start to get to this puzzle
    std::string_view title;
    int goal_top_row;
    int goal_left_column;
    int target_bar_first_row;
    std::string_view solution;  // the stored moves, separated by blanks
    int solution_length;
    std::vector<GridCell> solved_cells;  // each block's top-left cell after the solution
};

struct ProgramFacts {
    std::string_view name;
    const PuzzleSet& (*puzzle_set)();
    std::string_view block_keys;     // the key of block n is character n - 1
    std::vector<BlockPlace> blocks;  // start places, block 1 first
    int face_block;
    std::string_view face_digit;
    std::string_view zombie_mouth;  // left and right
    std::vector<std::string_view> command_words;
    std::string_view puzzle_number_caption;     // empty when the frame shows none
    std::vector<std::string_view> start_moves;  // the only legal moves at the start
    std::vector<PuzzleFacts> puzzles;

    int block_count() const { return static_cast<int>(blocks.size()); }
    const PuzzleFacts& puzzle(int game_number) const { return puzzles[game_number - 1]; }
};

const ProgramFacts& farnswog();      // blockslide-a
const ProgramFacts& traxolumbine();  // blockslide-b

struct PuzzleOfProgram {
    const ProgramFacts* program;
    const PuzzleFacts* puzzle;
    friend void PrintTo(const PuzzleOfProgram& p, std::ostream* out) { *out << p.puzzle->name; }
};
std::vector<PuzzleOfProgram> every_puzzle();
inline std::string puzzle_name(const ::testing::TestParamInfo<PuzzleOfProgram>& info) {
    return std::string(info.param.puzzle->name);
}

}  // namespace blockslide::testing
