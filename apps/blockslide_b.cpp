#include "apps/program_main.h"
#include "puzzles/puzzle_sets.h"

namespace {

constexpr blockslide::ProgramText kProgram{
    .name = "blockslide-b",
    .about =
        "TRAXOLUMBINE, two sliding-block puzzles: slide the big blue block with the face\n"
        "(block 9) to the lower right (Game #1) or the upper right (Game #2).",
    .keys =
        "Keys: 1-9 slide that block, an arrow chooses where it could go two ways;\n"
        "G other game, B back, L last block, R start over, F face, A watch the solution,\n"
        "T a tip (the fewest moves left and the block to move next),\n"
        "H instructions, Q quit (asks first), Esc quit at once.\n"
        "Mouse: click a block to slide it, drag it the way it should go, click a command.",
};

}  // namespace

int main(int argc, char** argv) {
    return blockslide::program_main(kProgram, blockslide::traxolumbine_puzzles(), argc, argv);
}
