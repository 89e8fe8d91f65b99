// The one record of a running game: blocks, history, counters and flags.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/puzzle_set.h"

namespace blockslide {

// A set of directions is the sum of their codes.
enum Direction : int { kUp = 1, kRight = 2, kDown = 4, kLeft = 8 };

inline constexpr int reverse_direction(int direction) {
    return direction == kUp || direction == kDown ? 5 - direction : 10 - direction;
}

// Board geometry on the 80 x 25 screen: 5 x 4 cells of 11 columns by 5 rows.
inline constexpr int kCellWidth = 11;
inline constexpr int kCellHeight = 5;
inline constexpr int kBoardTopRow = 2;
inline constexpr int kBoardLeftColumn = 13;
inline constexpr int kBoardColumns = 5;
inline constexpr int kBoardRows = 4;
inline constexpr int kBlockInkColor = 15;

struct Block {
    int width = 0;
    int height = 0;
    int ink_color = 0;
    int body_color = 0;
    int top_row = 0;
    int left_column = 0;
    std::string_view label;
};

struct MoveRecord {
    int block = 0;
    int direction = 0;
};

inline constexpr int kHistoryCapacity = 1000;

// The most recent moves, newest last. Once full it drops the oldest move for
// each new one, so Back can always take back the last 1000 moves.
class MoveHistory {
public:
    int length() const { return length_; }
    void clear() { length_ = 0; }
    void push(MoveRecord move);
    MoveRecord pop();  // the caller checks length() first
    MoveRecord last() const;
    MoveRecord at(int index) const;  // 1 = oldest kept

private:
    int physical(int index) const { return (oldest_ + index - 1) % kHistoryCapacity; }
    std::array<MoveRecord, kHistoryCapacity> records_{};
    int oldest_ = 0;
    int length_ = 0;
};

struct GameState {
    explicit GameState(const PuzzleSet& set) : puzzles(&set) {}

    const PuzzleSet* puzzles;
    std::array<Block, kMaxBlocks + 1> blocks{};  // indexed by block number
    MoveHistory history;
    int move_count = 0;
    bool solved = false;
    bool undoing = false;
    bool auto_playing = false;
    bool quit_requested = false;
    std::string command;
    std::string last_key;
    int legal_directions = 0;
    int chosen_direction = 0;
    int face_style = 1;
    int game_number = 1;

    int block_count() const { return static_cast<int>(puzzles->blocks.size()); }
    int history_length() const { return history.length(); }
    const Puzzle& puzzle() const;
    const Block& block(int number) const { return blocks[number]; }
};

inline constexpr int kNiceMan = 1;
inline constexpr int kZombie = 2;

// Puts every block of the current puzzle on its start place.
void set_up_puzzle(GameState& game);

// The block number of a key (1 = first block key), or 0 when it is none.
int block_for_key(const GameState& game, std::string_view key);

}  // namespace blockslide
