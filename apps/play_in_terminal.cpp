#include "apps/play_in_terminal.h"

#include <cstdio>
#include <string>

#include "console/console.h"
#include "console/terminal.h"
#include "engine/main_loop.h"

namespace blockslide {

int play_in_terminal(const PuzzleSet& puzzles) {
    std::string problem;
    std::unique_ptr<ConsoleBackend> terminal = open_terminal(problem);
    if (!terminal) {
        std::fprintf(stderr, "blockslide: %s\n", problem.c_str());
        return 1;
    }
    int exit_code = 0;
    {
        ConsoleSession session(*terminal);
        exit_code = run_game(puzzles);
    }
    return exit_code;
}

}  // namespace blockslide
