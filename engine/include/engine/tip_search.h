// The search behind T: how many moves remain at best from a position and
// which block to move next. It holds fixed tables, reserved once, so that a
// tip during play takes no heap memory.
#pragma once

#include <span>

namespace blockslide {

// A place on the 5 x 4 board, in cells from the top-left cell (0, 0).
struct GridCell {
    int column = 0;
    int row = 0;
};

// A block in grid cells: its top-left cell and its size (1 or 2 each way).
struct GridBlock {
    int column = 0;
    int row = 0;
    int columns = 1;
    int rows = 1;
};

// The game keeps blocks in screen coordinates; these turn them into cells.
GridCell grid_cell_from_screen(int top_row, int left_column);
GridBlock grid_block_from_screen(int top_row, int left_column, int width, int height);

struct TipQuery {
    std::span<const GridBlock> blocks;  // block 1 first
    int goal_block = 0;                 // its number, from 1
    GridCell goal;                      // where the goal block's top-left cell must go
};

enum class TipOutcome {
    kFound,    // `moves` and `block` hold the answer
    kNoWay,    // no sequence of moves reaches the goal
    kUnknown,  // the position is not a valid board, or too many positions to search
};

struct Tip {
    TipOutcome outcome = TipOutcome::kUnknown;
    int moves = 0;  // the fewest moves to the goal
    int block = 0;  // the lowest-numbered block whose move starts a shortest way; 0 at the goal
};

// Breadth-first search over the positions reachable from the queried one.
// Blocks of one shape are interchangeable (except the goal block), so a
// position is the shape at each cell. The first tip explores the whole
// reachable set and stores every position's distance to the goal; later tips
// within that set, for the same goal, are answered from the table, which is
// kept in memory reserved with the program (no heap), for every game of the
// run. A reachable set larger than kTipPositionCapacity gives kUnknown.
inline constexpr int kTipPositionCapacity = 1 << 16;

Tip find_tip(const TipQuery& query);
// Throws the table away: the next tip searches afresh.
void forget_tips();
// How many positions the table holds (0 before the first search).
int tip_table_size();

}  // namespace blockslide
