#include "apps/program_main.h"

#include <cstdio>
#include <string>

#include "apps/play_in_terminal.h"
#include "console/terminal.h"

namespace blockslide {

namespace {

constexpr int kBadArgumentStatus = 2;

// 0, or 1 when the text could not be written (a closed or full output).
int print(std::FILE* stream, const std::string& text) {
    const bool written = std::fputs(text.c_str(), stream) >= 0;
    return written && std::fflush(stream) == 0 ? 0 : 1;
}

// An answer on standard output; 1, said on standard error, when it cannot be written there.
int answer(const std::string& name, bool output_open, const std::string& text) {
    if (output_open && print(stdout, text) == 0) return 0;
    print(stderr, name + ": cannot write to standard output\n");
    return 1;
}

}  // namespace

int program_main(const ProgramText& program, const PuzzleSet& puzzles, int argc, char** argv) {
    const bool output_open = prepare_standard_streams();
    const CommandLine line = read_command_line(argc, argv);
    const std::string name(program.name);
    switch (line.action) {
        case Action::kHelp:
            return answer(name, output_open, usage_text(program));
        case Action::kVersion:
            return answer(name, output_open, name + " " BLOCKSLIDE_VERSION "\n");
        case Action::kBadArgument:
            print(stderr, name + ": unknown argument: " + shown_safely(line.bad_argument) + "\n" +
                              usage_text(program));
            return kBadArgumentStatus;
        case Action::kPlay:
            break;
    }
    const PlayOutcome outcome = play_in_terminal(
        puzzles, PlayOptions{.silent = line.silent, .mouse = line.mouse}, program.name);
    if (outcome.signal_number != 0) end_by_signal(outcome.signal_number);
    return outcome.exit_status;
}

}  // namespace blockslide
