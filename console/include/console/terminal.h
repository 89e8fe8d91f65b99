// The player's own terminal, served by the platform's room: the Unix
// terminal (console/unix) or the Windows console (console/windows).
#pragma once

#include <memory>
#include <string>

#include "console/backend.h"

namespace blockslide {

// Standard input, output and error open before anything else runs: one
// found closed is pointed at the null device, so that no file the program
// opens later can take its number. False when standard output was closed:
// what the program was asked to print there cannot be printed.
bool prepare_standard_streams();

struct TerminalOptions {
    // Clicks and drags reported as mouse keys, where the terminal can. Off,
    // the terminal's own text selection is left alone.
    bool mouse = true;
};

// Takes over the terminal (80 x 25 screen in colour, keys one at a time).
// Returns nullptr with a one-line reason in `problem` when standard input or
// output is not a terminal or the terminal cannot be used; nothing has been
// drawn then. Destroying the backend gives the terminal back as it was,
// keeping the game's last screen where the terminal is large enough.
std::unique_ptr<ConsoleBackend> open_terminal(const TerminalOptions& options, std::string& problem);

// Thrown by a key read when the terminal has gone away for good (closed
// without a hangup signal): waiting on would spin forever.
struct TerminalLost {};

// Thrown by any console operation once a signal that ends the program has
// come: the game unwinds to the entry point, the terminal is given back,
// and then the program ends with the signal's own status (end_by_signal).
struct EndedBySignal {
    int signal_number;
};
[[noreturn]] void end_by_signal(int signal_number);

}  // namespace blockslide
