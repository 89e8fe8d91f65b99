// libFuzzer target: whole games played from arbitrary terminal bytes in the
// scripted console, with the board's rules checked between every two turns.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "console/console.h"
#include "console/scripted/scripted_console.h"
#include "engine/main_loop.h"
#include "fuzz/board_check.h"
#include "fuzz/fuzz_script.h"
#include "puzzles/puzzle_sets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace blockslide;
    if (size == 0) return 0;
    const FuzzScript script = read_fuzz_script({data, size});
    ScriptedConsole backend;
    for (const TypedKey& key : script.keys) backend.type_at(key.at_ms, key.key);
    BoardCheck check;
    ConsoleSession session(backend, backend);
    try {
        const PuzzleSet& puzzles = script.first_game ? farnswog_puzzles() : traxolumbine_puzzles();
        if (run_game(puzzles, &check) != 0) {
            std::fputs("broken rule: a game ended with a non-zero exit code\n", stderr);
            std::abort();
        }
    } catch (const ScriptExhausted&) {
        // The player stopped typing in the middle of a game.
    }
    return 0;
}
