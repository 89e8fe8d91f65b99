// The board as the puzzle's rules have it, kept beside a game by the tests
// and the fuzzer: a 5 x 4 grid where one move slides one block one cell into
// free cells, Back takes back the newest of at most 1000 recorded moves, and
// the puzzle is solved when the face block stands on its goal. A plain value
// with no test framework in it; one mapping places its cells on the screen.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/game_tables.h"

namespace blockslide::test {

// Where a block of the grid stands on the 80 x 25 screen.
struct ScreenRect {
    int top, left, width, height;
};
ScreenRect on_screen(const Block& block);

class Board {
public:
    explicit Board(const ProgramFacts& program, bool zombie = false)
        : zombie(zombie), program_(&program), blocks_(program.blocks) {}

    const ProgramFacts& program() const { return *program_; }
    const Block& block(int number) const { return blocks_[number - 1]; }
    // The block covering a cell, or 0.
    int block_at(int column, int row) const;
    int legal_directions(int number) const;
    bool at_goal(const PuzzleFacts& puzzle) const {
        const Block& face = block(program_->face_block);
        return face.column == puzzle.goal_column && face.row == puzzle.goal_row;
    }
    // A stored move ("2L", "0U") as block number and direction code; 0, 0 if none.
    std::pair<int, int> decode(std::string_view move) const;
    // The keys a player types for a legal move: the block key, then an
    // arrow if the block could go two ways. Empty for an illegal move.
    std::vector<std::string> keys_for(int number, int direction) const;

    void move(int number, int direction);  // as the game makes it, legal or not
    bool back();                           // false with nothing to take back
    void toggle_face() {
        zombie = !zombie;
        face_played = !history_.empty();
    }
    void start_over() { *this = Board(*program_, zombie); }  // nothing recorded, same face
    int history_length() const { return static_cast<int>(history_.size()); }

    int move_count = 0;
    // The face as last drawn: the Zombie, and in the colours of a game with moves.
    bool zombie = false;
    bool face_played = false;

private:
    const ProgramFacts* program_;
    std::vector<Block> blocks_;
    std::vector<std::pair<int, int>> history_;  // the newest 1000 moves, newest last
};

}  // namespace blockslide::test
