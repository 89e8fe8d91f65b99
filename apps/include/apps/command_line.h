// What the programs make of their arguments: play, or answer --help or
// --version, or refuse what they do not know. Decided before the terminal
// or the sound device is touched.
#pragma once

#include <string>
#include <string_view>

namespace blockslide {

// The texts that tell one program from the other on the command line.
struct ProgramText {
    std::string_view name;   // "blockslide-a"
    std::string_view about;  // what the game is, a few lines
    std::string_view keys;   // the keys, a few lines
};

enum class Action { kPlay, kHelp, kVersion, kBadArgument };

struct CommandLine {
    Action action = Action::kPlay;
    bool silent = false;            // --silent: no sound and no bell
    bool mouse = true;              // --no-mouse: no clicks, the terminal selects text
    std::string_view bad_argument;  // the first argument not understood
};

// --help or --version, once, or to play; --silent and --no-mouse may stand
// anywhere. Any
// other argument, or a second of those two, is refused.
CommandLine read_command_line(int argc, char** argv);

// The short usage that --help prints, and a bad argument on standard error.
std::string usage_text(const ProgramText& program);

// An argument as it can be shown on a terminal: control characters and bytes
// past ASCII as \xHH, the backslash doubled, so nothing in it acts on the terminal.
std::string shown_safely(std::string_view argument);

}  // namespace blockslide
