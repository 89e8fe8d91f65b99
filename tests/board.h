// The board as the puzzle's rules have it, kept by a test beside a game: a
// 5 x 4 grid where one move slides one block one cell into free cells.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/game_tables.h"

namespace blockslide::testing {

inline constexpr int kHistoryCapacity = 1000;  // Back reaches the newest 1000 moves

class Board {
public:
    explicit Board(const ProgramFacts& program) : program_(&program), blocks_(program.blocks) {}

    const ProgramFacts& program() const { return *program_; }
    const std::vector<Block>& blocks() const { return blocks_; }
    const Block& block(int number) const { return blocks_[number - 1]; }
    bool covered(int column, int row) const;
    int legal_directions(int number) const;
    bool at_goal(const PuzzleFacts& puzzle) const;
    // A stored move ("2L", "0U") as block number and direction code.
    std::pair<int, int> decode(std::string_view move) const;

    // Makes a stored move (the test fails if it is not legal here) and
    // returns the keys a player types for it: the block key, then an arrow
    // when the block could go two ways.
    std::vector<std::string> play(std::string_view move);
    void move(int number, int direction);  // a move as the game makes it
    void back();                           // B with a move recorded
    void toggle_face();
    void start_over();  // a puzzle start: the start layout, nothing recorded

    int move_count = 0;
    int history_length() const { return static_cast<int>(history_.size()); }
    // The face as last drawn: the Zombie, and in the colours of a game with moves.
    bool zombie = false;
    bool face_played = false;

private:
    const ProgramFacts* program_;
    std::vector<Block> blocks_;
    std::vector<std::pair<int, int>> history_;  // block and direction, newest last
};

}  // namespace blockslide::testing
