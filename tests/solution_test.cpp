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

int fewest_moves(const PuzzleOf& of) {
    std::vector<Board> level{Board(*of.program)};
    std::unordered_set<std::string> seen{layout_key(level.front())};
    for (int moves = 0; !level.empty(); ++moves) {
        std::vector<Board> next_level;
        for (const Board& board : level) {
            if (board.at_goal(of.puzzle())) return moves;
            for (int number = 1; number <= of.program->block_count(); ++number) {
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

class StoredSolution : public ::testing::TestWithParam<PuzzleOf> {};

TEST_P(StoredSolution, IsAsShortAsASolutionCanBe) {
    const PuzzleOf& of = GetParam();
    const auto stored = of.program->puzzle_set().puzzles[of.game_number - 1].solution;
    EXPECT_EQ(static_cast<int>(stored.size()), of.puzzle().fewest_moves);
    EXPECT_EQ(fewest_moves(of), of.puzzle().fewest_moves);
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, StoredSolution, ::testing::ValuesIn(every_puzzle()));

}  // namespace
}  // namespace blockslide::testing
