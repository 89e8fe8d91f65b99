// T's search checked by facts known without it: each stored solution is
// shortest, and a position is at the goal when the goal block stands there.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/tip_search.h"
#include "puzzles/puzzle_sets.h"

namespace blockslide {
namespace {

using Position = std::vector<GridBlock>;

// The position after block `number` slides, or an empty one when it cannot.
Position after_move(Position blocks, int number, int columns, int rows) {
    GridBlock& to = blocks.at(number - 1);  // a wrong number throws
    to = {to.column + columns, to.row + rows, to.columns, to.rows};
    if (to.column < 0 || to.row < 0 || to.column + to.columns > 5 || to.row + to.rows > 4)
        return {};
    for (const GridBlock& b : blocks) {
        if (&b != &to && to.column < b.column + b.columns && b.column < to.column + to.columns &&
            to.row < b.row + b.rows && b.row < to.row + to.rows)
            return {};
    }
    return blocks;
}

// Follows the tips from the start: each named block must have a move one
// closer to the goal, and the goal block must stand on the goal at the end.
void follow_tips(TipSearch& search, const PuzzleSet& set, const Puzzle& puzzle) {
    const GridCell goal = grid_cell_from_screen(puzzle.goal_top_row, puzzle.goal_left_column);
    const auto tip = [&](const Position& at) { return search.tip({at, puzzle.goal_block, goal}); };
    Position blocks;
    for (const BlockLayout& l : set.blocks)
        blocks.push_back(grid_block_from_screen(l.top_row, l.left_column, l.width, l.height));
    for (int left = static_cast<int>(puzzle.solution.size()); left > 0; --left) {
        ASSERT_EQ(tip(blocks).moves, left) << puzzle.title;
        const int number = tip(blocks).block;
        Position next;
        for (auto [columns, rows] : {std::pair{0, -1}, {1, 0}, {0, 1}, {-1, 0}}) {
            const Position moved = after_move(blocks, number, columns, rows);
            if (!moved.empty() && tip(moved).moves == left - 1) next = moved;
        }
        ASSERT_FALSE(next.empty()) << puzzle.title << ": block " << number;
        blocks = next;
    }
    const GridBlock& goal_block = blocks[puzzle.goal_block - 1];
    EXPECT_TRUE(goal_block.column == goal.column && goal_block.row == goal.row) << puzzle.title;
    const Tip at_goal = tip(blocks);
    EXPECT_TRUE(at_goal.outcome == TipOutcome::kFound && at_goal.moves == 0 && at_goal.block == 0);
}

// The stored solutions are shortest, so following tips that each bring the
// goal one closer takes exactly as many moves. Blockslide-b's second puzzle
// follows its first in one search: a table kept for the wrong goal would show.
TEST(TipSearch, FollowingTheTipsReachesTheGoalInTheFewestMoves) {
    TipSearch search;
    follow_tips(search, farnswog_puzzles(), farnswog_puzzles().puzzles[0]);
    follow_tips(search, traxolumbine_puzzles(), traxolumbine_puzzles().puzzles[0]);
    follow_tips(search, traxolumbine_puzzles(), traxolumbine_puzzles().puzzles[1]);
}

TEST(TipSearch, AnswersSmallBoardsAndRefusesImpossibleOnes) {
    TipSearch search;
    const Position open{{0, 0, 2, 2}, {2, 0, 1, 1}, {3, 0, 1, 1}};
    const Tip down_then_right = search.tip({open, 1, {3, 2}});
    EXPECT_TRUE(down_then_right.moves == 5 && down_then_right.block == 1);
    EXPECT_EQ(search.tip({open, 1, {4, 0}}).outcome, TipOutcome::kNoWay);  // off the board
    const Position overlapping{{0, 0, 2, 2}, {1, 1, 1, 1}};
    EXPECT_EQ(search.tip({overlapping, 1, {3, 2}}).outcome, TipOutcome::kUnknown);
    Position too_open{{0, 0, 2, 2}};  // 12 places for it times 12,870 for eight singles
    for (int cell = 12; cell < 20; ++cell) too_open.push_back({cell % 5, cell / 5, 1, 1});
    EXPECT_EQ(search.tip({too_open, 1, {3, 2}}).outcome, TipOutcome::kUnknown);
}

}  // namespace
}  // namespace blockslide
