// The stored solutions are as short as a solution can be: a breadth-first
// search over the board model finds none shorter.
#include <gtest/gtest.h>

#include <string>
#include <unordered_set>

#include "tests/board.h"

namespace blockslide::testing {
namespace {

// Each block's shape at its top-left cell: blocks of one shape are
// interchangeable, except the face block.
std::string layout_key(const Board& board) {
    std::string cells(kGridColumns * kGridRows, '.');
    for (int number = 1; number <= board.program().block_count(); ++number) {
        const Block& block = board.block(number);
        const bool face = number == board.program().face_block;
        cells[block.row * kGridColumns + block.column] =
            face ? 'F' : 'a' + block.columns * 3 + block.rows;
    }
    return cells;
}

int fewest_moves(const ProgramFacts& program, const PuzzleFacts& puzzle) {
    std::vector<Board> level{Board(program)};
    std::unordered_set<std::string> seen{layout_key(level.front())};
    for (int moves = 0; !level.empty(); ++moves) {
        std::vector<Board> next_level;
        for (const Board& board : level) {
            if (board.at_goal(puzzle)) return moves;
            for (int number = 1; number <= program.block_count(); ++number) {
                for (int direction : {kUp, kRight, kDown, kLeft}) {
                    if ((board.legal_directions(number) & direction) == 0) continue;
                    Board next = board;
                    next.move(number, direction);
                    if (seen.insert(layout_key(next)).second) next_level.push_back(next);
                }
            }
        }
        level.swap(next_level);
    }
    return -1;
}

TEST(StoredSolutions, AreAsShortAsASolutionCanBe) {
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        for (std::size_t i = 0; i < program->puzzles.size(); ++i) {
            const PuzzleFacts& puzzle = program->puzzles[i];
            EXPECT_EQ(program->puzzle_set().puzzles[i].solution.size(), puzzle.fewest_moves + 0u);
            EXPECT_EQ(fewest_moves(*program, puzzle), puzzle.fewest_moves) << puzzle.title;
        }
    }
}

}  // namespace
}  // namespace blockslide::testing
