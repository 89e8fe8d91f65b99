#include "apps/play_in_terminal.h"

#include <cstdio>
#include <memory>
#include <string>

#include "apps/muted_stderr.h"
#include "console/console.h"
#include "console/terminal.h"
#include "engine/main_loop.h"
#include "sound/sound_device.h"
#include "sound/sound_player.h"

namespace blockslide {

namespace {

constexpr int kNoTerminalStatus = 1;

void complain(std::string_view program_name, const std::string& problem) {
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program_name.size()), program_name.data(),
                 problem.c_str());
}

// The game with its sound, in an open terminal. The sound player goes
// before the terminal is given back, and never waits for its device.
PlayOutcome play_with_sound(ConsoleBackend& terminal, const PuzzleSet& puzzles,
                            const PlayOptions& options) {
    MutedStderr muted;  // nothing a sound library says reaches the board
    std::unique_ptr<SoundPlayer> sound =
        options.silent ? std::make_unique<SilentSound>() : open_sound_device();
    try {
        ConsoleSession session(terminal, *sound);
        return {run_game(puzzles), 0};
    } catch (const EndedBySignal& ended) {
        return {0, ended.signal_number};
    }
}

}  // namespace

PlayOutcome play_in_terminal(const PuzzleSet& puzzles, const PlayOptions& options,
                             std::string_view program_name) {
    std::string problem;
    std::unique_ptr<ConsoleBackend> terminal =
        open_terminal(TerminalOptions{.mouse = options.mouse}, problem);
    if (!terminal) {
        complain(program_name, problem);
        return {kNoTerminalStatus, 0};
    }
    try {
        return play_with_sound(*terminal, puzzles, options);
    } catch (const TerminalLost&) {
        terminal.reset();
        complain(program_name, "the terminal stopped sending keys");
        return {kNoTerminalStatus, 0};
    }
}

}  // namespace blockslide
