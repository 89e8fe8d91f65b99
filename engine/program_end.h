// Ending the program from deep inside a game: the exception unwinds to the
// entry point, which restores the terminal and returns the exit code. The
// engine never calls exit(), so whole games can run inside a test.
#pragma once

namespace blockslide {

struct ProgramEnd {
    int exit_code = 0;
};

[[noreturn]] inline void end_program() {
    throw ProgramEnd{0};
}

}  // namespace blockslide
