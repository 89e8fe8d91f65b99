// Each stored solution is as short as a solution can be. A breadth-first
// search over every layout reachable from the start finds the fewest moves
// that bring the goal block home, and that number must equal the length of
// the listed solution, the number the puzzle tables state and the length of
// the solution the program stores.
//
// The search knows nothing of the game's engine: it works on its own copy of
// the rules (a 5 x 4 grid; one move slides one block one cell into free
// cells) and on the start layouts and goals of the puzzle tables.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "puzzles/puzzle_sets.h"
#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

constexpr int kGridCells = kGridColumns * kGridRows;

// A block on the grid: its top-left cell and its size in cells.
struct GridBlock {
    int column;
    int row;
    int cells_wide;
    int cells_high;
};

struct GridGoal {
    int block;
    int column;
    int row;
};

std::vector<GridBlock> grid_blocks(const ProgramFacts& program) {
    std::vector<GridBlock> blocks;
    for (const BlockPlace& place : program.blocks) {
        blocks.push_back({(place.left_column - kBoardLeft) / kCellWidth,
                          (place.top_row - kBoardTop) / kCellHeight, place.width / kCellWidth,
                          place.height / kCellHeight});
    }
    return blocks;
}

GridGoal grid_goal(const ProgramFacts& program, const PuzzleFacts& puzzle) {
    return {program.face_block, (puzzle.goal_left_column - kBoardLeft) / kCellWidth,
            (puzzle.goal_top_row - kBoardTop) / kCellHeight};
}

constexpr int cell_index(int column, int row) {
    return row * kGridColumns + column;
}

// ---------------------------------------------------------------------------
// The board, on its own terms.

enum class Step { kUp, kRight, kDown, kLeft };
constexpr std::array<Step, 4> kSteps = {Step::kUp, Step::kRight, Step::kDown, Step::kLeft};

// The cell one step away, or -1 off the grid.
int neighbour(int cell, Step step) {
    const int column = cell % kGridColumns;
    const int row = cell / kGridColumns;
    switch (step) {
        case Step::kUp:
            return row > 0 ? cell - kGridColumns : -1;
        case Step::kRight:
            return column < kGridColumns - 1 ? cell + 1 : -1;
        case Step::kDown:
            return row < kGridRows - 1 ? cell + kGridColumns : -1;
        case Step::kLeft:
            return column > 0 ? cell - 1 : -1;
    }
    return -1;
}

using CellMask = std::uint32_t;

// A layout is the top-left cell of every block. As a search key it is folded
// so that blocks of the same size are interchangeable (swapping two of them
// changes no move and no goal test, so the fewest moves stay the same): every
// cell holds 3 bits, the kind of block whose top-left corner it is, or 0. The
// goal block is a kind of its own.
using LayoutKey = std::uint64_t;
constexpr int kBitsPerCell = 3;
constexpr int kMaxKinds = (1 << kBitsPerCell) - 1;
constexpr int kBlockCapacity = 10;

class SlidingBoard {
public:
    SlidingBoard(std::span<const GridBlock> blocks, GridGoal goal) {
        block_count_ = static_cast<int>(blocks.size());
        for (int b = 0; b < block_count_; ++b) {
            const GridBlock& block = blocks[b];
            start_[b] = cell_index(block.column, block.row);
            for (int cell = 0; cell < kGridCells; ++cell) {
                footprint_[b][cell] = footprint(cell, block.cells_wide, block.cells_high);
            }
            kind_[b] = b + 1 == goal.block ? kind_for(-1, -1)
                                           : kind_for(block.cells_wide, block.cells_high);
        }
        goal_kind_ = kind_[goal.block - 1];
        goal_cell_ = cell_index(goal.column, goal.row);
    }

    int kind_count() const { return kind_count_; }
    const std::array<int, kBlockCapacity>& start() const { return start_; }

    LayoutKey key_of(const std::array<int, kBlockCapacity>& places) const {
        LayoutKey key = 0;
        for (int b = 0; b < block_count_; ++b) key |= cell_bits(kind_[b], places[b]);
        return key;
    }

    bool goal_reached(LayoutKey key) const {
        return ((key >> (kBitsPerCell * goal_cell_)) & kMaxKinds) == LayoutKey(goal_kind_);
    }

    // Calls visit(key) for the layout after every possible single move.
    template <class Visit>
    void for_each_next_layout(LayoutKey key, Visit&& visit) const {
        std::array<int, kBlockCapacity> places{};
        places_of(key, places);
        const CellMask taken = occupied(places);
        for (int b = 0; b < block_count_; ++b) {
            const int from = places[b];
            for (Step step : kSteps) {
                const int to = neighbour(from, step);
                if (to < 0 || footprint_[b][to] == 0) continue;
                if ((footprint_[b][to] & ~footprint_[b][from] & taken) != 0) continue;
                visit(key - cell_bits(kind_[b], from) + cell_bits(kind_[b], to));
            }
        }
    }

private:
    static CellMask footprint(int cell, int cells_wide, int cells_high) {
        const int column = cell % kGridColumns;
        const int row = cell / kGridColumns;
        if (column + cells_wide > kGridColumns || row + cells_high > kGridRows) return 0;
        CellMask mask = 0;
        for (int dy = 0; dy < cells_high; ++dy) {
            for (int dx = 0; dx < cells_wide; ++dx)
                mask |= CellMask{1} << (cell + dy * kGridColumns + dx);
        }
        return mask;
    }

    static LayoutKey cell_bits(int kind, int cell) {
        return LayoutKey(kind) << (kBitsPerCell * cell);
    }

    int kind_for(int cells_wide, int cells_high) {
        for (int k = 0; k < kind_count_; ++k) {
            if (kind_sizes_[k][0] == cells_wide && kind_sizes_[k][1] == cells_high) return k + 1;
        }
        kind_sizes_[kind_count_] = {cells_wide, cells_high};
        return ++kind_count_;
    }

    CellMask occupied(const std::array<int, kBlockCapacity>& places) const {
        CellMask mask = 0;
        for (int b = 0; b < block_count_; ++b) mask |= footprint_[b][places[b]];
        return mask;
    }

    // Hands each kind's top-left cells to that kind's blocks in block order.
    void places_of(LayoutKey key, std::array<int, kBlockCapacity>& places) const {
        std::array<int, kMaxKinds + 1> next_block{};
        for (int cell = 0; cell < kGridCells; ++cell) {
            const int kind = static_cast<int>((key >> (kBitsPerCell * cell)) & kMaxKinds);
            if (kind == 0) continue;
            int& b = next_block[kind];
            while (kind_[b] != kind) ++b;
            places[b++] = cell;
        }
    }

    int block_count_ = 0;
    std::array<int, kBlockCapacity> start_{};
    std::array<std::array<CellMask, kGridCells>, kBlockCapacity> footprint_{};
    std::array<int, kBlockCapacity> kind_{};
    std::array<std::array<int, 2>, kMaxKinds> kind_sizes_{};
    int kind_count_ = 0;
    int goal_kind_ = 0;
    int goal_cell_ = 0;
};

struct SearchResult {
    int fewest_moves = -1;  // -1: the goal cannot be reached
    std::size_t layouts_seen = 0;
};

// Breadth-first, one level per move count: the first level holding a goal
// layout is the fewest moves.
SearchResult search_fewest_moves(const SlidingBoard& board) {
    const LayoutKey start = board.key_of(board.start());
    std::unordered_set<LayoutKey> seen;
    seen.reserve(1 << 16);
    seen.insert(start);
    std::vector<LayoutKey> level{start};
    std::vector<LayoutKey> next_level;
    for (int moves = 0; !level.empty(); ++moves) {
        for (LayoutKey key : level) {
            if (board.goal_reached(key)) return {moves, seen.size()};
        }
        next_level.clear();
        for (LayoutKey key : level) {
            board.for_each_next_layout(key, [&](LayoutKey next) {
                if (seen.insert(next).second) next_level.push_back(next);
            });
        }
        level.swap(next_level);
    }
    return {-1, seen.size()};
}

class MinimalSolution : public ::testing::TestWithParam<PuzzleOfProgram> {};

TEST_P(MinimalSolution, NoSolutionIsShorterThanTheStoredOne) {
    const ProgramFacts& program = *GetParam().program;
    const PuzzleFacts& puzzle = *GetParam().puzzle;
    const std::vector<GridBlock> blocks = grid_blocks(program);
    const SlidingBoard board(blocks, grid_goal(program, puzzle));
    ASSERT_LE(board.kind_count(), kMaxKinds);
    const SearchResult search = search_fewest_moves(board);

    EXPECT_EQ(search.fewest_moves, puzzle.solution_length)
        << search.layouts_seen << " layouts seen";
    EXPECT_EQ(search.fewest_moves, static_cast<int>(split_moves(puzzle.solution).size()));
    EXPECT_EQ(
        search.fewest_moves,
        static_cast<int>(program.puzzle_set().puzzles[puzzle.game_number - 1].solution.size()));
}

INSTANTIATE_TEST_SUITE_P(Puzzles, MinimalSolution, ::testing::ValuesIn(every_puzzle()),
                         [](const ::testing::TestParamInfo<PuzzleOfProgram>& info) {
                             return std::string(info.param.puzzle->name);
                         });

}  // namespace
}  // namespace blockslide::testing
