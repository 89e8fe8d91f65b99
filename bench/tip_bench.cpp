// How long T takes. A first tip explores every position reachable from the
// board and measures each one's distance to the goal; a later tip in the same
// puzzle reads the table. Both are timed from each puzzle's start and from
// every position along its stored solution.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/puzzle_set.h"
#include "engine/tip_search.h"
#include "puzzles/puzzle_sets.h"

namespace blockslide {
namespace {

using Position = std::vector<GridBlock>;
using Clock = std::chrono::steady_clock;

Position start_position(const PuzzleSet& set) {
    Position blocks;
    for (const BlockLayout& block : set.blocks) {
        blocks.push_back(
            grid_block_from_screen(block.top_row, block.left_column, block.width, block.height));
    }
    return blocks;
}

void play(const PuzzleSet& set, MoveCode move, Position& blocks) {
    GridBlock& block = blocks[set.block_keys.find(move[0])];
    switch (move[1]) {
        case 'U':
            --block.row;
            break;
        case 'R':
            ++block.column;
            break;
        case 'D':
            ++block.row;
            break;
        default:
            --block.column;
    }
}

// The start and every position after it along the stored solution, the goal
// position last.
std::vector<Position> solution_positions(const PuzzleSet& set, const Puzzle& puzzle) {
    std::vector<Position> positions{start_position(set)};
    for (MoveCode move : puzzle.solution) {
        positions.push_back(positions.back());
        play(set, move, positions.back());
    }
    return positions;
}

TipQuery query(const Puzzle& puzzle, const Position& blocks) {
    return {.blocks = blocks,
            .goal_block = puzzle.goal_block,
            .goal = grid_cell_from_screen(puzzle.goal_top_row, puzzle.goal_left_column)};
}

// The query for another goal cell: asked in between, it makes the next tip
// for the puzzle's own goal a first tip again, as G does in blockslide-b.
TipQuery query_for_another_goal(const Puzzle& puzzle, const Position& blocks) {
    TipQuery other = query(puzzle, blocks);
    other.goal.column = other.goal.column == 0 ? 1 : 0;
    return other;
}

// The very first tip of a program run, with the tables fresh from start-up.
void BM_FirstTipAtStart(benchmark::State& state, const PuzzleSet& (*set)(), int puzzle_index) {
    const Puzzle& puzzle = set().puzzles[puzzle_index];
    const Position blocks = start_position(set());
    for (auto _ : state) {
        state.PauseTiming();
        forget_tips();
        state.ResumeTiming();
        benchmark::DoNotOptimize(find_tip(query(puzzle, blocks)));
    }
    state.counters["positions"] = tip_table_size();
    state.counters["moves"] = find_tip(query(puzzle, blocks)).moves;
}

// Each iteration times a first tip at every position along the solution and
// reports the slowest of them as its time; the mean goes in a counter.
void BM_FirstTipAlongSolution(benchmark::State& state, const PuzzleSet& (*set)(),
                              int puzzle_index) {
    const Puzzle& puzzle = set().puzzles[puzzle_index];
    const std::vector<Position> positions = solution_positions(set(), puzzle);
    double total_seconds = 0;
    for (auto _ : state) {
        double worst_seconds = 0;
        for (const Position& blocks : positions) {
            find_tip(query_for_another_goal(puzzle, blocks));
            const Clock::time_point start = Clock::now();
            benchmark::DoNotOptimize(find_tip(query(puzzle, blocks)));
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            worst_seconds = std::max(worst_seconds, seconds);
            total_seconds += seconds;
        }
        state.SetIterationTime(worst_seconds);
    }
    const double tips = static_cast<double>(state.iterations() * positions.size());
    state.counters["mean_ms"] = total_seconds / tips * 1e3;
}

// Tips from a built table, cycling through the positions along the solution.
void BM_LaterTipAlongSolution(benchmark::State& state, const PuzzleSet& (*set)(),
                              int puzzle_index) {
    const Puzzle& puzzle = set().puzzles[puzzle_index];
    const std::vector<Position> positions = solution_positions(set(), puzzle);
    find_tip(query(puzzle, positions.front()));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_tip(query(puzzle, positions[next])));
        next = (next + 1) % positions.size();
    }
}

BENCHMARK_CAPTURE(BM_FirstTipAtStart, farnswog, farnswog_puzzles, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstTipAtStart, traxolumbine_1, traxolumbine_puzzles, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstTipAtStart, traxolumbine_2, traxolumbine_puzzles, 1)
    ->Unit(benchmark::kMillisecond);

// A sweep is a first tip at each of 42 to 119 positions; a few sweeps do.
constexpr int kSweeps = 5;
BENCHMARK_CAPTURE(BM_FirstTipAlongSolution, farnswog, farnswog_puzzles, 0)
    ->UseManualTime()
    ->Iterations(kSweeps)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstTipAlongSolution, traxolumbine_1, traxolumbine_puzzles, 0)
    ->UseManualTime()
    ->Iterations(kSweeps)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstTipAlongSolution, traxolumbine_2, traxolumbine_puzzles, 1)
    ->UseManualTime()
    ->Iterations(kSweeps)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_LaterTipAlongSolution, farnswog, farnswog_puzzles, 0);
BENCHMARK_CAPTURE(BM_LaterTipAlongSolution, traxolumbine_1, traxolumbine_puzzles, 0);
BENCHMARK_CAPTURE(BM_LaterTipAlongSolution, traxolumbine_2, traxolumbine_puzzles, 1);

}  // namespace
}  // namespace blockslide
