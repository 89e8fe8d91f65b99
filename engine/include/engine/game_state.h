// The one record of a running game: blocks, history, counters and flags.
#pragma once

#include <array>
#include <string_view>

#include "console/colors.h"
#include "engine/direction.h"
#include "engine/puzzle_set.h"
#include "engine/screen_layout.h"

namespace blockslide {

inline constexpr int kBlockInkColor = color::kWhite;

struct Block {
    int width = 0;
    int height = 0;
    int ink_color = 0;
    int body_color = 0;
    int top_row = 0;
    int left_column = 0;
    std::string_view label;
};

// The place a block takes one cell further that way.
inline constexpr Block shifted(Block block, Direction direction) {
    block.top_row += direction == kDown ? kCellHeight : direction == kUp ? -kCellHeight : 0;
    block.left_column += direction == kRight ? kCellWidth : direction == kLeft ? -kCellWidth : 0;
    return block;
}

struct MoveRecord {
    int block = 0;
    Direction direction = kUp;
};

inline constexpr int kHistoryCapacity = 1000;

// The most recent moves, newest last. Once full it drops the oldest move for
// each new one, so Back can always take back the last 1000 moves.
class MoveHistory {
public:
    int length() const { return length_; }
    bool empty() const { return length_ == 0; }
    void clear() { length_ = 0; }
    void push(MoveRecord move);
    void pop();  // the newest record, if there is one
    MoveRecord last() const;

private:
    int physical(int index) const { return (oldest_ + index - 1) % kHistoryCapacity; }
    std::array<MoveRecord, kHistoryCapacity> records_{};
    int oldest_ = 0;
    int length_ = 0;
};

enum class FaceStyle { kNiceMan, kZombie };

inline constexpr FaceStyle other_face_style(FaceStyle style) {
    return style == FaceStyle::kNiceMan ? FaceStyle::kZombie : FaceStyle::kNiceMan;
}

// Puzzles are numbered from 1; G switches between the first and the second.
inline constexpr int kFirstPuzzle = 1;
inline constexpr int kSecondPuzzle = 2;

inline constexpr int other_puzzle_number(int game_number) {
    return game_number == kFirstPuzzle ? kSecondPuzzle : kFirstPuzzle;
}

struct GameState {
    explicit GameState(const PuzzleSet& set) : puzzle_set(set) {}

    const PuzzleSet& puzzle_set;                 // the constant data of this program
    std::array<Block, kMaxBlocks + 1> blocks{};  // indexed by block number
    MoveHistory history;
    int move_count = 0;
    bool solved = false;
    FaceStyle face_style = FaceStyle::kNiceMan;
    int game_number = kFirstPuzzle;

    int block_count() const { return static_cast<int>(puzzle_set.blocks.size()); }
    const Puzzle& puzzle() const;
    const Block& block(int number) const { return blocks[number]; }
};

// Puts every block of the current puzzle on its start place.
void set_up_puzzle(GameState& game);

inline constexpr int kNoBlock = 0;

// The block number of a key (1 = first block key), or kNoBlock.
int block_for_key(const GameState& game, std::string_view key);

}  // namespace blockslide
