// The player's own terminal, served by the platform's backend.
#pragma once

#include <memory>
#include <string>

#include "console/backend.h"

namespace blockslide {

// Takes over the terminal (80 x 25 screen in colour, keys one at a time).
// Returns nullptr with a one-line reason in `problem` when standard input or
// output is not a terminal or the terminal cannot be used; nothing has been
// drawn then. Destroying the backend restores the terminal; it is also
// restored once if the program is killed by a signal.
std::unique_ptr<ConsoleBackend> open_terminal(std::string& problem);

// Thrown by a key read when the terminal has gone away for good (closed
// without a hangup signal): waiting on would spin forever.
struct TerminalLost {};

}  // namespace blockslide
