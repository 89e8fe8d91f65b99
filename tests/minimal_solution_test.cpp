// Each stored solution is as short as a solution can be: a breadth-first
// search over every layout reachable from the start finds the fewest moves
// that bring the face block to its goal. It knows nothing of the engine: it
// has its own copy of the rules (a 5 x 4 grid; one move slides one block one
// cell into free cells) and works on the transcribed tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

#include "puzzles/puzzle_sets.h"
#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

constexpr int kGridCells = kGridColumns * kGridRows;
using CellMask = std::uint32_t;
using Layout = std::array<int, 10>;  // each block's top-left grid cell

int cell_of(int top_row, int left_column) {
    return (top_row - kBoardTop) / kCellHeight * kGridColumns +
           (left_column - kBoardLeft) / kCellWidth;
}

int fewest_moves(const ProgramFacts& program, const PuzzleFacts& puzzle) {
    // Blocks of one size are interchangeable, so a run of them keeps its cells
    // sorted and each layout is seen once. The face block comes first, alone.
    std::vector<std::pair<int, int>> blocks;  // kind (from the size), start cell
    for (int number = 1; number <= program.block_count(); ++number) {
        const BlockPlace& place = program.blocks[number - 1];
        const int kind =
            (number == program.face_block ? 0 : 10000) + place.width * 100 + place.height;
        blocks.push_back({kind, cell_of(place.top_row, place.left_column)});
    }
    std::sort(blocks.begin(), blocks.end());
    const int count = program.block_count();
    Layout start{};
    // The cells block b covers with its top-left corner in a cell; 0 off the grid.
    std::array<std::array<CellMask, kGridCells>, 10> footprint{};
    for (int b = 0; b < count; ++b) {
        start[b] = blocks[b].second;
        const int columns = blocks[b].first % 10000 / 100 / kCellWidth;
        const int rows = blocks[b].first % 100 / kCellHeight;
        for (int cell = 0; cell < kGridCells; ++cell) {
            if (cell % kGridColumns + columns > kGridColumns ||
                cell / kGridColumns + rows > kGridRows) {
                continue;
            }
            for (int dy = 0; dy < rows; ++dy) {
                for (int dx = 0; dx < columns; ++dx) {
                    footprint[b][cell] |= CellMask{1} << (cell + dy * kGridColumns + dx);
                }
            }
        }
    }
    const auto key = [&](Layout& layout) {
        std::uint64_t key = 0;
        for (int first = 1, end = 1; first < count; first = end) {
            while (end < count && blocks[end].first == blocks[first].first) ++end;
            std::sort(layout.begin() + first, layout.begin() + end);
        }
        for (int b = 0; b < count; ++b) key = key << 5 | static_cast<std::uint64_t>(layout[b]);
        return key;
    };

    // Breadth-first, one level per move count.
    const int goal = cell_of(puzzle.goal_top_row, puzzle.goal_left_column);
    std::unordered_set<std::uint64_t> seen{key(start)};
    std::vector<Layout> level{start};
    for (int moves = 0; !level.empty(); ++moves) {
        std::vector<Layout> next_level;
        for (const Layout& layout : level) {
            if (layout[0] == goal) return moves;
            CellMask taken = 0;
            for (int b = 0; b < count; ++b) taken |= footprint[b][layout[b]];
            for (int b = 0; b < count; ++b) {
                const int column = layout[b] % kGridColumns;
                for (const auto& [dx, dy] : {std::pair{0, -1}, {1, 0}, {0, 1}, {-1, 0}}) {
                    const int to = layout[b] + dy * kGridColumns + dx;
                    if (column + dx < 0 || column + dx >= kGridColumns || to < 0 ||
                        to >= kGridCells || footprint[b][to] == 0 ||
                        (footprint[b][to] & taken & ~footprint[b][layout[b]]) != 0) {
                        continue;
                    }
                    Layout next = layout;
                    next[b] = to;
                    if (seen.insert(key(next)).second) next_level.push_back(next);
                }
            }
        }
        level.swap(next_level);
    }
    return -1;
}

class MinimalSolution : public ::testing::TestWithParam<PuzzleOfProgram> {};

TEST_P(MinimalSolution, NoSolutionIsShorterThanTheStoredOne) {
    const ProgramFacts& program = *GetParam().program;
    const PuzzleFacts& puzzle = *GetParam().puzzle;
    const int fewest = fewest_moves(program, puzzle);
    EXPECT_EQ(fewest, puzzle.solution_length);
    EXPECT_EQ(fewest, static_cast<int>(split_moves(puzzle.solution).size()));
    EXPECT_EQ(fewest, static_cast<int>(
                          program.puzzle_set().puzzles[puzzle.game_number - 1].solution.size()));
}

INSTANTIATE_TEST_SUITE_P(Puzzles, MinimalSolution, ::testing::ValuesIn(every_puzzle()),
                         puzzle_name);

}  // namespace
}  // namespace blockslide::testing
