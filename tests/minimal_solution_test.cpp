// Each stored solution is as short as a solution can be. A breadth-first
// search over every layout reachable from the start finds the fewest moves
// that bring the goal block home, and that number must equal the stored
// solution's length and the number the instructions screen promises.
//
// The search knows nothing of the game's engine: it works on its own copy of
// the rules (a 5 x 4 grid; one move slides one block one cell into free
// cells) and of the start layouts, goals and solution listings written out
// below. Separate tests check that the program's puzzle data agrees with them.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "puzzles/puzzle_sets.h"

namespace blockslide {
namespace {

constexpr int kGridColumns = 5;
constexpr int kGridRows = 4;
constexpr int kGridCells = kGridColumns * kGridRows;

// Screen geometry of a grid cell, for comparing with the puzzle data.
constexpr int kCellScreenWidth = 11;
constexpr int kCellScreenHeight = 5;
constexpr int kFirstCellRow = 2;
constexpr int kFirstCellColumn = 13;

constexpr int screen_row(int grid_row) {
    return kFirstCellRow + kCellScreenHeight * grid_row;
}
constexpr int screen_column(int grid_column) {
    return kFirstCellColumn + kCellScreenWidth * grid_column;
}

// A block on the grid: its top-left cell and its size in cells.
struct GridBlock {
    int column;
    int row;
    int cells_wide;
    int cells_high;
    int body_color;
};

struct GridGoal {
    int block;
    int column;
    int row;
};

// FARNSWOG, blocks 1 to 10 in order.
constexpr GridBlock kFarnswogStart[] = {
    {4, 0, 1, 1, 6}, {4, 1, 1, 1, 3}, {4, 2, 1, 1, 2}, {4, 3, 1, 1, 4}, {0, 0, 2, 1, 2},
    {2, 0, 2, 1, 5}, {0, 3, 2, 1, 6}, {2, 3, 2, 1, 3}, {2, 1, 1, 2, 4}, {0, 1, 2, 2, 1},
};
constexpr GridGoal kFarnswogGoal = {10, 3, 1};
constexpr std::string_view kFarnswogSolution =
    "2L 3L 1D 4U 8R 9D 6R 2L 2U 9U 8L 4D 1D 6D 2R 2R 9U 3L 1L 4U "
    "8R 3D 9D 5R 5R 0U 7U 3L 3L 8L 8L 1D 4D 6D 2D 2L 5R 9U 6L 4U "
    "4U 6R 7R 3U 8L 1L 6D 7R 7R 1U 1L 9D 9D 5L 4U 2R 5D 4L 2U 5R "
    "9U 9U 8R 3D 1L 7L 7L 5D 4D 4R 9R 0R 1U 1U 3U 3U 7L 8L 5L 6L "
    "4D 4D 2D 2D 9R 0R 1R 3U 7U 5L 5L 0D 1R 1R 3R 3R 7U 5U 8U 6L "
    "6L 0D 1D 1L 9L 2U 2U 4U 4U 0R 1D 1D 3D 3D 9L 2L 4U 0U";

// TRAXOLUMBINE, blocks 1 to 9; both puzzles start from this layout.
constexpr GridBlock kTraxolumbineStart[] = {
    {2, 0, 1, 1, 3}, {2, 1, 1, 1, 4}, {0, 2, 1, 2, 2}, {1, 2, 1, 2, 5}, {3, 2, 1, 2, 3},
    {4, 2, 1, 2, 4}, {3, 0, 2, 1, 6}, {3, 1, 2, 1, 2}, {0, 0, 2, 2, 1},
};
constexpr GridGoal kLowerRightGoal = {9, 3, 2};
constexpr GridGoal kUpperRightGoal = {9, 3, 0};
constexpr std::string_view kLowerRightSolution =
    "2D 2D 1D 1D 9R 3U 3U 4L 1L 1D 9D 7L 7L 8U 5U 6U 2R 2R 1R 1R "
    "9D 7D 8L 8L 5U 6U 1U 1R 9R 4R 3D 3D 8L 7L 5L 6L 1U 1U 2U 2U "
    "9R";
constexpr std::string_view kUpperRightSolution =
    "2D 2D 1D 1D 9R 3U 3U 4L 1L 1D 9D 7L 7L 8U 5U 6U 2R 2R 1R 1R "
    "9D 7D 8L 8L 5U 1U 2L 6D 5R 1U 1U 2U 2U 6L 5D 5D 2R 2U 7R 7R "
    "8D 1L 1L 2L 2L 7U 8R 1D 2L 7L 5U 5U 6R 9R 1D 1D 2D 2D 3R 4U "
    "1L 2D 3D 7L 7L 8U 9U 2R 2R 1R 1R 4D 3D 7D 8L 8L 9U 2U 2L 6L "
    "5D 5D 9R";

struct PuzzleCase {
    std::string_view name;
    const PuzzleSet& (*puzzle_set)();
    int game_number;
    std::span<const GridBlock> start;
    GridGoal goal;
    std::string_view block_keys;  // a move's first character, by block number
    std::string_view listed_solution;
    int promised_moves;  // "The minimal solution is ... moves."
};

const PuzzleCase kPuzzleCases[] = {
    {"Farnswog", farnswog_puzzles, 1, kFarnswogStart, kFarnswogGoal, "1234567890",
     kFarnswogSolution, 118},
    {"TraxolumbineLowerRight", traxolumbine_puzzles, 1, kTraxolumbineStart, kLowerRightGoal,
     "123456789", kLowerRightSolution, 41},
    {"TraxolumbineUpperRight", traxolumbine_puzzles, 2, kTraxolumbineStart, kUpperRightGoal,
     "123456789", kUpperRightSolution, 83},
};

void PrintTo(const PuzzleCase& puzzle, std::ostream* out) {
    *out << puzzle.name;
}

constexpr int cell_index(int column, int row) {
    return row * kGridColumns + column;
}

std::vector<std::string_view> split_moves(std::string_view listing) {
    std::vector<std::string_view> moves;
    while (!listing.empty()) {
        const std::size_t end = listing.find(' ');
        moves.push_back(listing.substr(0, end));
        listing = end == std::string_view::npos ? std::string_view{} : listing.substr(end + 1);
    }
    return moves;
}

// ---------------------------------------------------------------------------
// The board, on its own terms.

enum class Step { kUp, kRight, kDown, kLeft };
constexpr std::array<Step, 4> kSteps = {Step::kUp, Step::kRight, Step::kDown, Step::kLeft};

int step_from_letter(char letter) {
    switch (letter) {
        case 'U':
            return static_cast<int>(Step::kUp);
        case 'R':
            return static_cast<int>(Step::kRight);
        case 'D':
            return static_cast<int>(Step::kDown);
        case 'L':
            return static_cast<int>(Step::kLeft);
        default:
            return -1;
    }
}

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

    int block_count() const { return block_count_; }
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

    // True when the block fits on the grid and every cell it would enter is free.
    bool can_move(const std::array<int, kBlockCapacity>& places, int block, Step step) const {
        const int from = places[block];
        const int to = neighbour(from, step);
        if (to < 0 || footprint_[block][to] == 0) return false;
        return (footprint_[block][to] & ~footprint_[block][from] & occupied(places)) == 0;
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

struct ListedReplay {
    int legal_moves = 0;      // moves made before the first impossible one
    int first_goal_move = 0;  // 0: the goal block never reached its goal
};

// Plays a listing on the board, block by block (no folding), stopping at the
// first move that is not possible.
ListedReplay replay_listing(const PuzzleCase& puzzle) {
    const SlidingBoard board(puzzle.start, puzzle.goal);
    std::array<int, kBlockCapacity> places = board.start();
    ListedReplay result;
    for (std::string_view move : split_moves(puzzle.listed_solution)) {
        const std::size_t key_position = puzzle.block_keys.find(move.front());
        const int step = step_from_letter(move.back());
        if (move.size() != 2 || key_position == std::string_view::npos || step < 0) break;
        const int block = static_cast<int>(key_position);
        if (!board.can_move(places, block, static_cast<Step>(step))) break;
        places[block] = neighbour(places[block], static_cast<Step>(step));
        ++result.legal_moves;
        if (result.first_goal_move == 0 && block + 1 == puzzle.goal.block &&
            places[block] == cell_index(puzzle.goal.column, puzzle.goal.row)) {
            result.first_goal_move = result.legal_moves;
        }
    }
    return result;
}

std::string promise_text(int moves) {
    return "The minimal solution is " + std::to_string(moves) +
           " moves. See if you can do as well!";
}

class MinimalSolution : public ::testing::TestWithParam<PuzzleCase> {
   protected:
    const Puzzle& puzzle() const {
        return GetParam().puzzle_set().puzzles[GetParam().game_number - 1];
    }
};

// ---------------------------------------------------------------------------
// The written-out tables are those of the program.

TEST_P(MinimalSolution, ProgramStartLayoutIsTheTabledOne) {
    const PuzzleCase& c = GetParam();
    const PuzzleSet& set = c.puzzle_set();
    ASSERT_EQ(set.blocks.size(), c.start.size());
    for (std::size_t i = 0; i < c.start.size(); ++i) {
        SCOPED_TRACE("block " + std::to_string(i + 1));
        const GridBlock& expected = c.start[i];
        const BlockLayout& actual = set.blocks[i];
        EXPECT_EQ(actual.width, kCellScreenWidth * expected.cells_wide);
        EXPECT_EQ(actual.height, kCellScreenHeight * expected.cells_high);
        EXPECT_EQ(actual.top_row, screen_row(expected.row));
        EXPECT_EQ(actual.left_column, screen_column(expected.column));
        EXPECT_EQ(actual.body_color, expected.body_color);
    }
    EXPECT_EQ(set.block_keys, c.block_keys);
}

TEST_P(MinimalSolution, ProgramGoalIsTheTabledOne) {
    const GridGoal& goal = GetParam().goal;
    EXPECT_EQ(puzzle().goal_block, goal.block);
    EXPECT_EQ(puzzle().goal_top_row, screen_row(goal.row));
    EXPECT_EQ(puzzle().goal_left_column, screen_column(goal.column));
}

TEST_P(MinimalSolution, ProgramStoresTheListedSolution) {
    std::string stored;
    for (MoveCode move : puzzle().solution) {
        if (!stored.empty()) stored += ' ';
        stored += move;
    }
    EXPECT_EQ(stored, GetParam().listed_solution);
}

TEST_P(MinimalSolution, TabledStartLayoutLeavesExactlyTwoCellsFree) {
    std::array<int, kGridCells> cover{};
    for (const GridBlock& block : GetParam().start) {
        ASSERT_LE(block.column + block.cells_wide, kGridColumns);
        ASSERT_LE(block.row + block.cells_high, kGridRows);
        for (int dy = 0; dy < block.cells_high; ++dy) {
            for (int dx = 0; dx < block.cells_wide; ++dx) {
                ++cover[cell_index(block.column + dx, block.row + dy)];
            }
        }
    }
    int free_cells = 0;
    for (int count : cover) {
        EXPECT_LE(count, 1) << "two blocks share a cell";
        if (count == 0) ++free_cells;
    }
    EXPECT_EQ(free_cells, 2);
}

// ---------------------------------------------------------------------------
// The proof.

TEST_P(MinimalSolution, ListedSolutionIsPlayableAndReachesTheGoalOnlyAtItsLastMove) {
    const int listed_moves = static_cast<int>(split_moves(GetParam().listed_solution).size());
    const ListedReplay replay = replay_listing(GetParam());
    EXPECT_EQ(replay.legal_moves, listed_moves);
    EXPECT_EQ(replay.first_goal_move, listed_moves);
}

TEST_P(MinimalSolution, NoSolutionIsShorterThanTheStoredOne) {
    const PuzzleCase& c = GetParam();
    const SlidingBoard board(c.start, c.goal);
    ASSERT_LE(board.kind_count(), kMaxKinds);
    const SearchResult search = search_fewest_moves(board);

    EXPECT_EQ(search.fewest_moves, c.promised_moves) << search.layouts_seen << " layouts seen";
    EXPECT_EQ(search.fewest_moves, static_cast<int>(split_moves(c.listed_solution).size()));
    EXPECT_EQ(search.fewest_moves, static_cast<int>(puzzle().solution.size()));
}

TEST_P(MinimalSolution, InstructionsPromiseTheFewestMoves) {
    const std::string promise = promise_text(GetParam().promised_moves);
    int lines_with_promise = 0;
    for (std::string_view line : puzzle().instructions) {
        if (line == promise) ++lines_with_promise;
    }
    EXPECT_EQ(lines_with_promise, 1) << "looking for \"" << promise << "\"";
}

INSTANTIATE_TEST_SUITE_P(Puzzles, MinimalSolution, ::testing::ValuesIn(kPuzzleCases),
                         [](const ::testing::TestParamInfo<PuzzleCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace blockslide
