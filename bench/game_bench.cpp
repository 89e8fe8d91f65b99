// How long the engine takes for the work behind one key press, measured in
// the scripted console (no terminal output, no waiting).
#include <benchmark/benchmark.h>

#include "console/console.h"
#include "console/scripted/scripted_console.h"
#include "engine/legal_moves.h"
#include "engine/main_loop.h"
#include "engine/move_execution.h"
#include "puzzles/puzzle_sets.h"

namespace blockslide {
namespace {

constexpr std::int64_t kAfterReplayMs = 1'000'000;

// A whole auto-play replay of the 118-move solution, screen redraws included.
void BM_AutoPlayReplay(benchmark::State& state) {
    for (auto _ : state) {
        ScriptedConsole backend;
        backend.type("A");
        // Typed long after the replay, so auto-play neither discards nor
        // stops on them: one closes "<any key>", Esc leaves the new puzzle.
        backend.type_at(kAfterReplayMs, " ");
        backend.type("\x1b");
        ConsoleSession session(backend, backend);
        benchmark::DoNotOptimize(run_game(farnswog_puzzles()));
    }
}
BENCHMARK(BM_AutoPlayReplay);

// One player move: the legality test from screen colours and the move itself.
void BM_FindAndExecuteMove(benchmark::State& state) {
    ScriptedConsole backend;
    ConsoleSession session(backend, backend);
    GameState game(farnswog_puzzles());
    start_new_game(game);
    Direction direction = kLeft;
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_legal_directions(game, 2));
        execute_move(game, 2, direction);
        direction = opposite_direction(direction);
    }
}
BENCHMARK(BM_FindAndExecuteMove);

}  // namespace
}  // namespace blockslide
