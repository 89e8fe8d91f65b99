#include "apps/play_in_terminal.h"

#include <cstdio>
#include <string>

#include "console/console.h"
#include "console/sound.h"
#include "console/terminal.h"
#include "engine/main_loop.h"
#ifdef _WIN32
#include "sound/sound_device.h"
#endif

namespace blockslide {

int play_in_terminal(const PuzzleSet& puzzles) {
    std::string problem;
    std::unique_ptr<ConsoleBackend> terminal = open_terminal(problem);
    if (!terminal) {
        std::fprintf(stderr, "blockslide: %s\n", problem.c_str());
        return 1;
    }
    try {
#ifdef _WIN32
        std::unique_ptr<SoundPlayer> sound = open_sound_device();
#else
        std::unique_ptr<SoundPlayer> sound = std::make_unique<SilentSound>();
#endif
        ConsoleSession session(*terminal, *sound);
        return run_game(puzzles);
    } catch (const TerminalLost&) {
        terminal.reset();
        std::fprintf(stderr, "blockslide: the terminal stopped sending keys\n");
        return 1;
    }
}

}  // namespace blockslide
