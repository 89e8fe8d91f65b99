// The board as the puzzle's rules have it, kept by a test beside a game: a
// 5 x 4 grid where one move slides one block one cell into free cells.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/game_tables.h"

namespace blockslide::testing {

class Board {
public:
    explicit Board(const ProgramFacts& program, bool zombie = false)
        : zombie(zombie), program_(&program), blocks_(program.blocks) {}

    const ProgramFacts& program() const { return *program_; }
    const Block& block(int number) const { return blocks_[number - 1]; }
    bool covered(int column, int row) const;
    int legal_directions(int number) const;
    bool at_goal(const PuzzleFacts& puzzle) const {
        const Block& face = block(program_->face_block);
        return face.column == puzzle.goal_column && face.row == puzzle.goal_row;
    }
    // A stored move ("2L", "0U") as block number and direction code; 0, 0 if none.
    std::pair<int, int> decode(std::string_view move) const;

    // Makes a legal stored move (the test fails otherwise) and returns the
    // keys a player types: the block key, then an arrow if it could go two ways.
    std::vector<std::string> play(std::string_view move);
    void move(int number, int direction);  // as the game makes it; B reverses
    void back();
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

}  // namespace blockslide::testing
