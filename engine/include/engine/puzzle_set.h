// The constant data that makes one program out of the shared engine: its
// blocks, puzzles, keys and texts. Each program supplies one PuzzleSet.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace blockslide {

inline constexpr int kMaxBlocks = 10;
inline constexpr int kInstructionEntries = 26;

// A block's start place and size, in screen coordinates.
struct BlockLayout {
    int width;
    int height;
    int body_color;
    int top_row;
    int left_column;
};

// Where the instructions box stands: `top` and `left` are its border,
// `width` and `height` count the inner columns and rows.
struct InstructionBox {
    int top;
    int left;
    int width;
    int height;
};

// A stored move: the block's key followed by U, R, D or L.
using MoveCode = std::string_view;

struct Puzzle {
    std::string_view title;  // the console window title
    int goal_block;
    int goal_top_row;
    int goal_left_column;
    int target_bar_first_row;  // the bar runs down the box's right edge
    std::span<const MoveCode> solution;
    // Instruction line k is shown on box row k; empty entries are blank rows.
    std::array<std::string_view, kInstructionEntries> instructions;
};

// The literals of the face that the face block wears.
struct FaceLiterals {
    std::string_view nice_man_digit;  // "  0  "
    std::string_view zombie_digit;    // " 0 "
    std::string_view zombie_mouth_left;
    std::string_view zombie_mouth_right;
};

struct CommandWord {
    std::string_view letter;
    std::string_view rest;
};

struct PuzzleSet {
    // Position in `block_keys` (from 1) is the block number and its label.
    std::string_view block_keys;
    std::string_view command_letters;
    std::span<const CommandWord> command_bar;
    // "GAME #" before the puzzle number on the frame; empty to show none.
    std::string_view game_caption;
    std::span<const BlockLayout> blocks;
    int face_block;
    FaceLiterals face;
    InstructionBox instruction_box;
    std::span<const Puzzle> puzzles;  // chosen by the game number, from 1
};

}  // namespace blockslide
