// The whole of a program's main(): its arguments, then the game.
#pragma once

#include "apps/command_line.h"
#include "engine/puzzle_set.h"

namespace blockslide {

// Exit status 0 after --help, --version or a game; 2 for an argument the
// program does not know; 1 when there is no terminal to play in.
int program_main(const ProgramText& program, const PuzzleSet& puzzles, int argc, char** argv);

}  // namespace blockslide
