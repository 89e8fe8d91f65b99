// Ending the program from deep inside a game: the exception unwinds to
// run_game, which returns to the entry point, where the terminal is restored.
// The engine never calls exit(), so whole games can run inside a test.
#pragma once

namespace blockslide {

struct ProgramEnd {};

[[noreturn]] inline void end_program() {
    throw ProgramEnd{};
}

}  // namespace blockslide
