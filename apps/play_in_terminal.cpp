#include "apps/play_in_terminal.h"

#include <cstdio>
#include <memory>
#include <string>

#include "apps/muted_stderr.h"
#include "console/console.h"
#include "sound/sound_player.h"
#include "console/terminal.h"
#include "engine/main_loop.h"
#include "sound/sound_device.h"

namespace blockslide {

namespace {

// The game in an open terminal; false if the terminal went away under it.
bool run_with_sound(ConsoleBackend& terminal, const PuzzleSet& puzzles, const PlayOptions& options,
                    int& exit_code) {
    MutedStderr muted;  // the sound device is opened and closed inside this
    std::unique_ptr<SoundPlayer> sound =
        options.silent ? std::make_unique<SilentSound>() : open_sound_device();
    try {
        ConsoleSession session(terminal, *sound);
        exit_code = run_game(puzzles);
        return true;
    } catch (const TerminalLost&) {
        return false;
    }
}

}  // namespace

int play_in_terminal(const PuzzleSet& puzzles, const PlayOptions& options) {
    std::string problem;
    std::unique_ptr<ConsoleBackend> terminal = open_terminal(problem);
    if (!terminal) {
        std::fprintf(stderr, "blockslide: %s\n", problem.c_str());
        return 1;
    }
    int exit_code = 0;
    if (!run_with_sound(*terminal, puzzles, options, exit_code)) {
        terminal.reset();
        std::fprintf(stderr, "blockslide: the terminal stopped sending keys\n");
        return 1;
    }
    return exit_code;
}

}  // namespace blockslide
